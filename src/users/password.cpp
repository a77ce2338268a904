#include "users/password.h"

#include "platform/platform.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFutureWatcher>
#include <QMessageAuthenticationCode>
#include <QPromise>
#include <QThreadPool>
#include <memory>
#include <QRandomGenerator>
#include <QStringList>

namespace password {
namespace {

// Why a stored text is no hash, as the classroom file's problem names it.
struct PasswordTexts {
    Q_DECLARE_TR_FUNCTIONS(password)
};

const QString kScheme = QStringLiteral("pbkdf2-sha256");
constexpr int kHashBytes = 32;

struct Parts {
    int iterations = 0;
    QByteArray salt, hash;
};

bool split(const QString& stored, Parts* out, QString* why) {
    auto fail = [why](const QString& w) {
        if (why) *why = w;
        return false;
    };
    const QStringList p = stored.split(u'$');
    if (p.size() != 4 || p[0] != kScheme) return fail(PasswordTexts::tr("it is not of the form pbkdf2-sha256$ITERATIONS$SALT$HASH"));
    bool ok = false;
    out->iterations = p[1].toInt(&ok);
    if (!ok || out->iterations < kMinIterations || out->iterations > kMaxIterations)
        return fail(PasswordTexts::tr("its iterations \"%1\" are not a number from %2 to %3")
                        .arg(p[1], QString::number(kMinIterations), QString::number(kMaxIterations)));
    const auto salt = QByteArray::fromBase64Encoding(p[2].toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    const auto hash = QByteArray::fromBase64Encoding(p[3].toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!salt || salt.decoded.size() < 8) return fail(PasswordTexts::tr("its salt is not base64 of at least 8 bytes"));
    if (!hash || hash.decoded.size() != kHashBytes) return fail(PasswordTexts::tr("its hash is not base64 of 32 bytes"));
    out->salt = salt.decoded;
    out->hash = hash.decoded;
    return true;
}

// PBKDF2 with HMAC-SHA-256 for a key of one hash's length (32 bytes: one block, number 1).
QByteArray derive(const QString& plain, const QByteArray& salt, int iterations) {
    QMessageAuthenticationCode mac(QCryptographicHash::Sha256, plain.toUtf8());
    mac.addData(salt);
    mac.addData(QByteArray("\0\0\0\1", 4));
    QByteArray u = mac.result();
    QByteArray key = u;
    for (int i = 1; i < iterations; ++i) {
        mac.reset();
        mac.addData(u);
        u = mac.result();
        for (int b = 0; b < kHashBytes; ++b) key[b] = char(key[b] ^ u[b]);
    }
    return key;
}

}  // namespace

bool sameBytes(const QByteArray& a, const QByteArray& b) {
    if (a.size() != b.size()) return false;
    unsigned char diff = 0;
    for (int i = 0; i < a.size(); ++i) diff |= static_cast<unsigned char>(a[i] ^ b[i]);
    return diff == 0;
}

QString makeHash(const QString& plain, int iterations) {
    QByteArray salt(16, Qt::Uninitialized);
    QRandomGenerator::system()->generate(salt.begin(), salt.end());
    return QStringList{kScheme, QString::number(iterations), QString::fromLatin1(salt.toBase64()),
                       QString::fromLatin1(derive(plain, salt, iterations).toBase64())}
        .join(u'$');
}

bool isHash(const QString& stored, QString* why) {
    Parts p;
    return split(stored, &p, why);
}

bool matches(const QString& typed, const QString& stored) {
    Parts p;
    if (!split(stored, &p, nullptr)) return typed == stored;
    return sameBytes(derive(typed, p.salt, p.iterations), p.hash);
}

namespace {
bool g_asideInScriptMode = false;
}  // namespace

void setChecksAsideInScriptMode(bool aside) { g_asideInScriptMode = aside; }

QThreadPool& checkPool() {
    // Never destroyed: a program that ends while a check is under way does not wait for it.
    static QThreadPool* pool = [] {
        auto* p = new QThreadPool;
        p->setMaxThreadCount(1);
        return p;
    }();
    return *pool;
}

void matchesAside(QObject* receiver, const QString& typed, const QString& stored, std::function<void(bool)> done) {
    // The watcher belongs to the receiver: gone with it, it takes the outcome nowhere.
    auto* watcher = new QFutureWatcher<bool>(receiver);
    QObject::connect(watcher, &QFutureWatcherBase::finished, receiver, [watcher, done = std::move(done)] {
        const bool matched = watcher->future().resultCount() > 0 && watcher->result();
        watcher->deleteLater();
        done(matched);
    });
    auto promise = std::make_shared<QPromise<bool>>();
    watcher->setFuture(promise->future());
    promise->start();
    auto work = [promise, typed, stored] {
        promise->addResult(matches(typed, stored));
        promise->finish();
    };
    if (platform().scripted() && !g_asideInScriptMode) work();
    else checkPool().start(work);
}

}  // namespace password
