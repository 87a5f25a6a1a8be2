#pragma once
// Reads an HTTP reply as it arrives, from its status line and its
// Content-Length header, and tells what the bytes so far amount to. A reply
// that does not begin with a status line is taken as a bare page that ends
// when the connection ends.
//
// The reader remembers how far it has read, so that a reply trickling in
// byte by byte costs about the size of each piece, however long its headers
// run: each call goes on where the last one stopped.
#include <cstddef>
#include <cstdint>
#include <string_view>

class HttpReply {
public:
    enum class State {
        Incomplete, // more may come: wait
        Whole,      // judge the first `length` bytes
        BadStatus,  // the status line names `status`, which is not 200
        CutShort,   // the connection ended before the headers or the length the reply announced
    };
    struct Verdict {
        State state = State::Incomplete;
        size_t length = 0;
        int32_t status = 0;
    };

    // received: every byte so far, the bytes of the last call with more
    // appended; ended: the server has closed the connection.
    Verdict Examine(std::string_view received, bool ended);
    // Forgets the reply read so far, ready for the next one.
    void Reset() { *this = HttpReply(); }

private:
    // A reply without a status line is all body.
    enum class Stage { StatusLine, Headers, Body, Refused };

    // The next whole line, without its LF and a CR before it; false when
    // no LF has come yet.
    bool NextLine(std::string_view received, std::string_view& line);

    Stage stage_ = Stage::StatusLine;
    size_t lineStart_ = 0; // where the line not yet read begins
    size_t searched_ = 0;  // that line holds no LF before this
    int32_t status_ = 0;
    bool announced_ = false; // a Content-Length header was read
    size_t length_ = 0;      // the length it announced
};
