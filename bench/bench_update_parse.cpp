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
    // A third size, past the processor's caches, shows whether the cost per record stays flat.
    const int sizes[] = {1000, 10000, 100000};
    double times[3] = {};
    for (int k = 0; k < 3; ++k) {
        const String reply = MakeReply(sizes[k]);
        int32_t best = 0;
        times[k] = TimeParse(reply, sizes[k] <= 1000 ? 10 : 1, best);
        std::printf("%d records (%zu bytes): %.3f ms, %.0f ns per record (best version %d)\n", sizes[k], reply.size(),
                    times[k], times[k] * 1e6 / sizes[k], best);
    }
    std::printf("ratio 10000/1000: %.2f, 100000/10000: %.2f (linear reading gives about 10)\n",
                times[0] > 0 ? times[1] / times[0] : 0.0, times[1] > 0 ? times[2] / times[1] : 0.0);
    return 0;
}
