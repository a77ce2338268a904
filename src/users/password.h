// Passwords kept as salted, slow hashes: PBKDF2 with HMAC-SHA-256, written as one text
//
//   pbkdf2-sha256$ITERATIONS$SALT$HASH        (SALT and HASH in base64, HASH 32 bytes)
//
// the form Python's hashlib.pbkdf2_hmac makes too, so that an administrator can make one
// without the program. A stored text of any other form is a password kept as plain text.
#pragma once

#include <QByteArray>
#include <QString>

namespace password {

// Iterations for a hash the program makes (a tenth of a second or two on a classroom PC).
constexpr int kIterations = 100000;
// The range a stored hash may give: fewer is no slow hash, more would hang the login.
constexpr int kMinIterations = 1000;
constexpr int kMaxIterations = 10000000;

// A new hash of the password with a random salt of 16 bytes.
QString makeHash(const QString& plain, int iterations = kIterations);
// Whether the text is a well-formed hash (false for a plain password, or one that only starts
// like a hash; *why then says what is wrong with it when it is given).
bool isHash(const QString& stored, QString* why = nullptr);
// Whether the typed password is the stored one: the hash's check, or the exact text.
bool matches(const QString& typed, const QString& stored);
// Whether two digests are the same, compared without stopping at the first difference.
bool sameBytes(const QByteArray& a, const QByteArray& b);

}  // namespace password
