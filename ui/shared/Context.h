// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tarnel {

class Dialogs;
class Navigator;
class Session;

// What every screen shares: the session (the model and every edit of it), the message boxes
// and the navigator. A screen keeps no copy of model data: its widgets are views refreshed
// from the session.
struct Context {
    Session& session;
    Dialogs& dialogs;
    Navigator& navigator;
};

} // namespace tarnel
