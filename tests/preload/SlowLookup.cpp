// Preloaded into the application by the process tests: a name server that
// never answers in time. Every host lookup says so on stderr, then hangs for
// 15 seconds and fails.
#include <netdb.h>
#include <unistd.h>

extern "C" int getaddrinfo(const char*, const char*, const addrinfo*, addrinfo** result)
{
    static const char note[] = "slow lookup: holding\n";
    [[maybe_unused]] const ssize_t written = write(2, note, sizeof note - 1);
    sleep(15);
    if (result) *result = nullptr;
    return EAI_AGAIN;
}
