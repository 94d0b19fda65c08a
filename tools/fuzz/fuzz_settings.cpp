// libFuzzer entry: any bytes as the records file.
#include "SettingsProperty.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::string why = kz::fuzz::CheckSettingsBytes(bytes);
    if (!why.empty()) {
        std::fprintf(stderr, "settings property broken: %s\n", why.c_str());
        std::abort();
    }
    return 0;
}
