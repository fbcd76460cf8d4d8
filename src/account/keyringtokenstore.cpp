#include "keyringtokenstore.h"

#include <QEventLoop>
#include <QTimer>

#include <qt6keychain/keychain.h>

#include <memory>

namespace VelmAccount {

namespace {

enum Operation { Read, Write, Delete };
// A keyring that does not answer within this time counts as absent.
constexpr int kJobTimeoutMs = 5000;

} // namespace

KeyringTokenStore::KeyringTokenStore(const QString &serviceName, const QString &fallbackFilePath)
    : m_serviceName(serviceName)
    , m_file(fallbackFilePath)
{
}

void KeyringTokenStore::fallBack(const QString &reason)
{
    if (m_useFile)
        return;
    m_useFile = true;
    qWarning().noquote() << "No keyring service answered:" << reason << "- keeping the sign-in in"
                         << m_file.filePath() << "(readable only by this user)";
}

KeyringTokenStore::Outcome KeyringTokenStore::run(int operation, const QString &key, const QString &value,
                                                  QString *result)
{
    std::unique_ptr<QKeychain::Job> job;
    if (operation == Read) {
        job = std::make_unique<QKeychain::ReadPasswordJob>(m_serviceName);
    } else if (operation == Write) {
        auto write = std::make_unique<QKeychain::WritePasswordJob>(m_serviceName);
        write->setTextData(value);
        job = std::move(write);
    } else {
        job = std::make_unique<QKeychain::DeletePasswordJob>(m_serviceName);
    }
    job->setAutoDelete(false);
    job->setInsecureFallback(false);
    job->setKey(key);

    QEventLoop loop;
    bool finished = false;
    QObject::connect(job.get(), &QKeychain::Job::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    QTimer::singleShot(kJobTimeoutMs, &loop, &QEventLoop::quit);
    job->start();
    if (!finished)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (!finished) {
        // The job may still finish later; it must not outlive its loop's connection unowned.
        job->setAutoDelete(true);
        job.release();
        fallBack(QStringLiteral("timed out"));
        return Outcome::Unavailable;
    }
    switch (job->error()) {
    case QKeychain::NoError:
        if (operation == Read && result)
            *result = static_cast<QKeychain::ReadPasswordJob *>(job.get())->textData();
        return Outcome::Done;
    case QKeychain::EntryNotFound:
        return Outcome::NotFound;
    default:
        fallBack(job->errorString());
        return Outcome::Unavailable;
    }
}

std::optional<QString> KeyringTokenStore::load(const QString &key)
{
    if (!m_useFile) {
        QString value;
        switch (run(Read, key, QString(), &value)) {
        case Outcome::Done:
            return value;
        case Outcome::NotFound:
            // Perhaps kept in the file while the keyring was away.
            return m_file.load(key);
        case Outcome::Unavailable:
            break;
        }
    }
    return m_file.load(key);
}

bool KeyringTokenStore::save(const QString &key, const QString &value)
{
    if (!m_useFile && run(Write, key, value, nullptr) == Outcome::Done) {
        // Once the keyring holds the token, no copy stays in the file.
        m_file.remove(key);
        return true;
    }
    return m_file.save(key, value);
}

bool KeyringTokenStore::remove(const QString &key)
{
    bool removed = true;
    if (!m_useFile)
        removed = run(Delete, key, QString(), nullptr) != Outcome::Unavailable;
    // A file left from a session without keyring must not outlive a sign-out.
    return m_file.remove(key) && removed;
}

void KeyringTokenStore::clear()
{
    remove(kAccessTokenKey);
    remove(kRefreshTokenKey);
}

} // namespace VelmAccount
