#pragma once

// "Another program" on the desktop's clipboard: xclip, run as a separate process. It is never
// waited for synchronously: while this process owns the clipboard it must keep its event loop
// running to answer xclip's request.

#include <QByteArray>

namespace testing {

// What another program reads from the clipboard (not the primary selection).
QByteArray otherProgramReads();

// Another program copies `text` to the clipboard; returns once it owns it.
void otherProgramCopies(const QByteArray& text);

} // namespace testing
