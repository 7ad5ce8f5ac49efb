// SPDX-License-Identifier: GPL-3.0-or-later
#include "Streams.h"

#include <cerrno>

namespace tarnel::cli {

void Streams::write(std::FILE* stream, const QByteArray& bytes) {
    errno = 0;
    const auto size = static_cast<std::size_t>(bytes.size());
    if (std::fwrite(bytes.constData(), 1, size, stream) != size || std::fflush(stream) != 0)
        remember(errno);
}

int Streams::finish() {
    for (std::FILE* stream : {stdout, stderr}) {
        errno = 0;
        if (std::fflush(stream) != 0 || std::ferror(stream))
            remember(errno);
    }
    return error_;
}

// Keeps the first failure; one whose errno was lost still counts.
void Streams::remember(int error) {
    if (error_ == 0)
        error_ = error != 0 ? error : EIO;
}

} // namespace tarnel::cli
