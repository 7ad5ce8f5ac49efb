// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <cstdio>

namespace tarnel::cli {

// Standard output and standard error with every write checked. A write that fails is
// remembered, so that a run whose output was lost (a full disk, a closed pipe) cannot end
// as a success.
class Streams {
public:
    void out(const QByteArray& bytes) { write(stdout, bytes); }
    void err(const QByteArray& bytes) { write(stderr, bytes); }

    // Flushes both streams. 0 when everything written arrived, else the errno of the first
    // failure.
    int finish();

private:
    void write(std::FILE* stream, const QByteArray& bytes);
    void remember(int error);

    int error_ = 0;
};

} // namespace tarnel::cli
