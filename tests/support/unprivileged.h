#pragma once

#include <QString>

// Read-only files and folders stop everybody but root, and the tests run as
// root here and on CI. A test that needs the refusal calls this first:
//
//     if (runAsUnprivileged())
//         return;
//
// As root it runs the same test again in a child process under the user
// nobody, reports that run's outcome as its own and returns true. As anybody
// else it returns false and the test goes on in this process.
bool runAsUnprivileged();

// Makes every folder and file below path (path included) read-only, or
// writable again for its owner.
void setReadOnly(const QString &path, bool readOnly);
