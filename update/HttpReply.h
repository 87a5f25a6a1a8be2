#pragma once
// What an HTTP reply received so far amounts to, read from its status line
// and its Content-Length header. A reply that does not begin with a status
// line is taken as a bare page that ends when the connection ends.
#include <cstddef>
#include <cstdint>
#include "Text.h"

struct HttpReply {
    enum class State {
        Incomplete, // more may come: wait
        Whole,      // judge the first `length` bytes
        BadStatus,  // the status line names `status`, which is not 200
        CutShort,   // the connection ended before the length the reply announced
    };
    State state = State::Incomplete;
    size_t length = 0;
    int32_t status = 0;

    // The status line and headers are looked for only this far, so that a
    // reply trickling in byte by byte costs no more than this per piece.
    static constexpr size_t HeadLimit = 16 * 1024;

    // received: every byte so far; ended: the server has closed the connection.
    static HttpReply Examine(const String& received, bool ended);
};
