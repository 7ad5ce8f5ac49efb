// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace tarnel {

// Gathers the messages of a batch run for one summary at its end, instead of one message box
// per word. Messages are told apart by their first line: the encoder's "Character e" not
// found in etymon alphabet." names the character there and the word only on its second line,
// so one missing character makes one line of the summary however many items it concerns.
class BatchMessages {
public:
    // A message raised while the current item runs.
    void add(const std::string& message);
    // The current item is done; what follows belongs to the next one.
    void endItem();

    bool empty() const { return groups_.empty() && pending_.empty(); }

    // Each distinct message once with the number of items it concerns ("(3 items)"), then the
    // messages raised outside any item whole; at most 20 lines, then "... and N more".
    // Lines are joined by CR LF.
    std::string summary() const;

private:
    struct Group {
        std::string line;
        int items = 0;
    };
    std::vector<Group> groups_;
    std::vector<std::string> itemLines_; // first lines raised by the current item
    std::vector<std::string> pending_;   // raised since the last item ended
};

} // namespace tarnel
