#pragma once

#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <vector>

namespace rekol::test {

// A real SMTP server for tests: Debian's aiosmtpd on a free port of
// 127.0.0.1, started by the constructor and stopped by the destructor. Every
// message it accepts is saved as a JSON summary made by Python's own e-mail
// parser (envelope, decoded headers, body text, attachments in base64).
class SmtpTestServer {
public:
    struct Options {
        QString refuseReply; // e.g. "554 Message refused": answer every message with it
        QString certFile;    // with keyFile: speak SMTPS with this certificate
        QString keyFile;
    };

    SmtpTestServer();
    explicit SmtpTestServer(const Options& options);
    ~SmtpTestServer();
    SmtpTestServer(const SmtpTestServer&) = delete;
    SmtpTestServer& operator=(const SmtpTestServer&) = delete;

    bool IsRunning() const { return running_; }
    // Output of the server when it failed to start.
    QString Log() const;
    int Port() const { return port_; }
    // "smtp://127.0.0.1:PORT" (or smtps://).
    QString Url() const;
    // The saved messages, oldest first. Each holds mail_from, rcpt_tos,
    // subject, raw_subject, from, to, date, date_ok, message_id, body,
    // body_charset, body_encoding and attachments (filename, content_type,
    // encoding, data in base64).
    std::vector<QJsonObject> Messages() const;

private:
    QTemporaryDir dir_;
    QProcess process_;
    int port_ = 0;
    bool running_ = false;
    bool tls_ = false;
};

// A loopback port nothing listens on (at the moment of the call).
int FreeLoopbackPort();

// A loopback port that accepts connections but never says a word: for
// timeouts. Closed by the destructor.
class SilentListener {
public:
    SilentListener();
    ~SilentListener();
    SilentListener(const SilentListener&) = delete;
    SilentListener& operator=(const SilentListener&) = delete;
    int Port() const { return port_; }

private:
    int socket_ = -1;
    int port_ = 0;
};

// Writes a self-signed certificate for 127.0.0.1 and its key with openssl;
// false when openssl is missing or fails.
bool MakeSelfSignedCertificate(const QString& certFile, const QString& keyFile);

} // namespace rekol::test
