// Passwords kept as salted, slow hashes: PBKDF2 with HMAC-SHA-256, written as one text
//
//   pbkdf2-sha256$ITERATIONS$SALT$HASH        (SALT and HASH in base64, HASH 32 bytes)
//
// the form Python's hashlib.pbkdf2_hmac makes too, so that an administrator can make one
// without the program. A stored text of any other form is a password kept as plain text.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class QObject;
class QThreadPool;

namespace password {

// Iterations for a hash the program makes (a tenth of a second or two on a classroom PC).
constexpr int kIterations = 100000;
// The range a stored hash may give: fewer is no slow hash. The most takes about ten seconds to
// check on a classroom PC; the login checks away from the interface thread (matchesAside), so
// the program stays usable meanwhile, but more would keep the user waiting too long.
constexpr int kMinIterations = 1000;
constexpr int kMaxIterations = 10000000;

// A new hash of the password with a random salt of 16 bytes.
QString makeHash(const QString& plain, int iterations = kIterations);
// Whether the text is a well-formed hash (false for a plain password, or one that only starts
// like a hash; *why then says what is wrong with it when it is given).
bool isHash(const QString& stored, QString* why = nullptr);
// Whether the typed password is the stored one: the hash's check, or the exact text.
bool matches(const QString& typed, const QString& stored);
// `matches`, worked out away from the interface thread: a hash of many iterations takes seconds.
// The outcome comes back to `done` on the interface thread, as an event for `receiver` (and
// never, when the receiver is gone first). In script mode, on virtual time, where a script must
// see the same events on every run, the check runs at once and its outcome still comes as an
// event.
void matchesAside(QObject* receiver, const QString& typed, const QString& stored, std::function<void(bool matched)> done);
// The unit tests, which run under the scripted platform, may ask for the desktop's way.
void setChecksAsideInScriptMode(bool aside);
// Where the checks are worked out, one at a time: a pool of their own, since Qt's shared one
// also does work the interface waits for (scaling a picture).
QThreadPool& checkPool();
// Whether two digests are the same, compared without stopping at the first difference.
bool sameBytes(const QByteArray& a, const QByteArray& b);

}  // namespace password
