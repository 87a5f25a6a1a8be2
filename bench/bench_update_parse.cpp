// How long reading an update list takes as the list grows. Reading walks the
// page once, so ten times the records should take about ten times as long.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include "UpdateList.h"
#include "WebSocketClass.h"

namespace {

// A reply as the server sends it: head, page separator, then `records`
// records of about 100 bytes each.
String MakeReply(int records) {
    String reply = "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n====\r\n";
    for (int i = 0; i < records; ++i) {
        if (i > 0) reply += "----\r\n";
        String version = "1." + Str(i / 100 % 10) + "." + Str(i % 100);
        reply += version + " Release " + Str(i) + "\n";
        reply += "http://www.example.com/quande/q" + Str(i) + ".zip\n";
        reply += "What changed in this release.\nAnother line.\n";
    }
    return reply;
}

// Milliseconds per parse: the best of several samples, each averaged over
// `repeat` parses, so a busy machine and the clock's grain distort less.
double TimeParse(const String& reply, int repeat, int32_t& best) {
    double fastest = 1e300;
    for (int sample = 0; sample < 15; ++sample) {
        auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < repeat; ++i) best = ParseUpdateList(WebSocketClass::PageOf(reply)).best;
        auto end = std::chrono::steady_clock::now();
        fastest = std::min(fastest, std::chrono::duration<double, std::milli>(end - start).count() / repeat);
    }
    return fastest;
}

} // namespace

int main() {
    const String small = MakeReply(1000);
    const String large = MakeReply(10000);
    int32_t bestSmall = 0, bestLarge = 0;
    double tSmall = TimeParse(small, 10, bestSmall);
    double tLarge = TimeParse(large, 1, bestLarge);
    std::printf("1000 records (%zu bytes): %.3f ms (best version %d)\n", small.size(), tSmall, bestSmall);
    std::printf("10000 records (%zu bytes): %.3f ms (best version %d)\n", large.size(), tLarge, bestLarge);
    std::printf("ratio: %.2f (linear reading gives about 10)\n", tSmall > 0 ? tLarge / tSmall : 0.0);
    return 0;
}
