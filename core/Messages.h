// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace tarnel {

// Where the sound core and the engine send the messages a user must see (a missing etymon
// character, an INSERT that cannot be made). The desktop program shows a message box, the
// batch tool collects them, tests record them. Texts are Windows-1252; lines are joined by
// CR LF.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void showMessage(const std::string& text) = 0;
};

// For derivations whose messages someone else has shown, or that show none.
class SilentMessages : public MessageSink {
public:
    void showMessage(const std::string&) override {}
};

} // namespace tarnel
