// How long reading an update list takes, next to a plain reader that gives
// the same result: string views over the page, one copy per stored text.
// Both read the same pages, alternately, at sizes a reply may really have
// (the fetcher cuts a reply off beyond 1 MiB); medians and their ratio are
// printed. Then the reply reader on a reply of 1 MiB whose headers run to
// half of it, given whole and one byte at a time: each piece costs about its
// own size, so the two take about as long per byte.
// Usage: bench_update_parse [samples]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <vector>
#include "HttpReply.h"
#include "Median.h"
#include "PlainUpdateListReader.h"
#include "UpdateList.h"
#include "WebSocketClass.h"

namespace {

// A reply as the server sends it: head, page separator, then records of
// about 100 bytes each, as many as fit in `bytes`.
String MakeReply(size_t bytes)
{
    String reply = "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n====\r\n";
    for (int i = 0;; ++i) {
        String record = i > 0 ? "----\r\n" : "";
        record += "1." + Str(i / 100 % 10) + "." + Str(i % 100) + " Release " + Str(i) + "\n";
        record += "http://www.example.com/quande/q" + Str(i) + ".zip\n";
        record += "What changed in this release.\nAnother line.\n";
        if (reply.size() + record.size() > bytes) return reply;
        reply += record;
    }
}

bool SameResult(const UpdateList& a, const UpdateList& b)
{
    if (a.best != b.best || a.info->OS.Ubound() != b.info->OS.Ubound()) return false;
    for (int32_t i = 0; i <= a.info->OS.Ubound(); ++i)
        if (a.info->OS(i) != b.info->OS(i) || a.info->newurl(i) != b.info->newurl(i)
            || a.info->Updateinfo(i) != b.info->Updateinfo(i))
            return false;
    return true;
}

// Milliseconds per parse, averaged over `repeat` parses.
template<class Parse>
double TimeOne(const Parse& parse, const String& page, int repeat)
{
    int32_t sink = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < repeat; ++i) sink += parse(page).best;
    const auto end = std::chrono::steady_clock::now();
    if (sink == 42) std::puts(""); // keeps the parses from being optimised away
    return std::chrono::duration<double, std::milli>(end - start).count() / repeat;
}

// Nanoseconds per byte for reading `reply` in pieces of `piece` bytes, up
// to the reader's verdict, which must be the whole reply.
double ReadInPieces(const String& reply, size_t piece)
{
    HttpReply reader;
    HttpReply::Verdict verdict;
    const auto start = std::chrono::steady_clock::now();
    for (size_t at = 0; verdict.state == HttpReply::State::Incomplete && at < reply.size();) {
        at = std::min(at + piece, reply.size());
        verdict = reader.Examine(std::string_view(reply).substr(0, at), false);
    }
    const auto end = std::chrono::steady_clock::now();
    if (verdict.state != HttpReply::State::Whole || verdict.length != reply.size()) return -1;
    return std::chrono::duration<double, std::nano>(end - start).count() / static_cast<double>(reply.size());
}

} // namespace

int main(int argc, char** argv)
{
    const int samples = argc > 1 ? std::max(1, std::atoi(argv[1])) : 31;
    const auto parser = [](const String& page) { return ParseUpdateList(page); };
    const auto reference = [](const String& page) { return ReferenceParse(page); };
    const struct {
        const char* name;
        size_t bytes;
        int repeat;
    } sizes[] = {{"100 KiB", 100 << 10, 20}, {"1 MiB", size_t{1} << 20, 2}};
    for (const auto& size : sizes) {
        const String page = WebSocketClass::PageOf(MakeReply(size.bytes));
        const UpdateList expected = reference(page);
        if (!SameResult(parser(page), expected)) {
            std::printf("%s: the parser and the reference disagree; nothing to compare\n", size.name);
            return 1;
        }
        const int records = expected.info->OS.Ubound();
        std::vector<double> a, b;
        for (int s = 0; s < samples; ++s) {
            a.push_back(TimeOne(parser, page, size.repeat));
            b.push_back(TimeOne(reference, page, size.repeat));
        }
        const double ma = Median(a), mb = Median(b);
        std::printf("%-7s (%zu-byte page, %d records): parser %.3f ms (%.0f ns/record), "
                    "reference %.3f ms (%.0f ns/record), ratio %.2f\n",
                    size.name, page.size(), records, ma, ma * 1e6 / records, mb, mb * 1e6 / records,
                    mb > 0 ? ma / mb : 0.0);
    }
    const String page = WebSocketClass::PageOf(MakeReply(size_t{1} << 19));
    String reply = "HTTP/1.0 200 OK\r\nContent-Length: " + Str(static_cast<int64_t>(page.size())) + "\r\n";
    while (reply.size() < (size_t{1} << 19)) reply += "X-Filler: " + String(70, 'f') + "\r\n";
    reply += "\r\n" + page;
    std::vector<double> whole, bytes;
    for (int s = 0; s < samples; ++s) {
        whole.push_back(ReadInPieces(reply, reply.size()));
        bytes.push_back(ReadInPieces(reply, 1));
    }
    if (*std::min_element(whole.begin(), whole.end()) < 0 || *std::min_element(bytes.begin(), bytes.end()) < 0) {
        std::printf("reader: the reply was not read whole\n");
        return 1;
    }
    std::printf("reader  (%zu-byte reply, headers to 512 KiB): one piece %.2f ns/byte, "
                "one-byte pieces %.2f ns/byte\n",
                reply.size(), Median(whole), Median(bytes));
    return 0;
}
