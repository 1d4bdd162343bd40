#include "testing/smtp_test_server.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QJsonDocument>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>

namespace rekol::test {
namespace {

const char* const kCaptureModule = R"PY(
import base64
import email
import email.utils
import json
import os
from email import policy


class Capture:
    """Saves every message as NNN.json in a folder, or refuses it with a reply."""

    def __init__(self, folder, refuse=None):
        self.folder = folder
        self.refuse = refuse
        self.count = 0

    @classmethod
    def from_cli(cls, parser, *args):
        return cls(*args)

    async def handle_DATA(self, server, session, envelope):
        if self.refuse:
            return self.refuse
        raw = email.message_from_bytes(envelope.content, policy=policy.compat32)
        message = email.message_from_bytes(envelope.content, policy=policy.default)
        body = message.get_body(preferencelist=("plain",))
        try:
            date_ok = email.utils.parsedate_to_datetime(raw["Date"]) is not None
        except (TypeError, ValueError):
            date_ok = False
        summary = {
            "mail_from": envelope.mail_from,
            "rcpt_tos": envelope.rcpt_tos,
            "subject": message["Subject"],
            "raw_subject": raw["Subject"],
            "from": message["From"],
            "to": message["To"],
            "date": raw["Date"],
            "date_ok": date_ok,
            "message_id": raw["Message-ID"],
            "body": body.get_content() if body is not None else None,
            "body_charset": body.get_content_charset() if body is not None else None,
            "body_encoding": body["Content-Transfer-Encoding"] if body is not None else None,
            "attachments": [
                {
                    "filename": part.get_filename(),
                    "content_type": part.get_content_type(),
                    "encoding": part["Content-Transfer-Encoding"],
                    "data": base64.b64encode(part.get_payload(decode=True)).decode("ascii"),
                }
                for part in message.iter_attachments()
            ],
        }
        self.count += 1
        name = os.path.join(self.folder, "%03d" % self.count)
        with open(name + ".eml", "wb") as f:
            f.write(envelope.content)
        with open(name + ".tmp", "w", encoding="utf-8") as f:
            json.dump(summary, f, ensure_ascii=False)
        os.rename(name + ".tmp", name + ".json")
        return "250 OK"
)PY";

bool Accepts(int port)
{
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    if (s < 0)
        return false;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool ok = ::connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(s);
    return ok;
}

// A socket bound to 127.0.0.1 on a port the system picks; -1 on failure.
int BindLoopback(int& port)
{
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    if (s < 0)
        return -1;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ::close(s);
        return -1;
    }
    port = ntohs(address.sin_port);
    return s;
}

} // namespace

int FreeLoopbackPort()
{
    int port = 0;
    const int s = BindLoopback(port);
    if (s >= 0)
        ::close(s);
    return port;
}

SmtpTestServer::SmtpTestServer() : SmtpTestServer(Options{}) {}

SmtpTestServer::SmtpTestServer(const Options& options)
{
    if (!dir_.isValid())
        return;
    QFile module(dir_.filePath(QStringLiteral("rekol_smtp_capture.py")));
    if (!module.open(QIODevice::WriteOnly) || module.write(kCaptureModule) < 0)
        return;
    module.close();
    const QString folder = dir_.filePath(QStringLiteral("messages"));
    QDir().mkpath(folder);

    port_ = FreeLoopbackPort();
    QStringList args = {QStringLiteral("-m"), QStringLiteral("aiosmtpd"), QStringLiteral("-n"), QStringLiteral("-l"),
                        QStringLiteral("127.0.0.1:%1").arg(port_)};
    if (!options.certFile.isEmpty()) {
        args << QStringLiteral("--smtpscert") << options.certFile << QStringLiteral("--smtpskey") << options.keyFile;
        tls_ = true;
    }
    args << QStringLiteral("-c") << QStringLiteral("rekol_smtp_capture.Capture") << folder;
    if (!options.refuseReply.isEmpty())
        args << options.refuseReply;

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PYTHONPATH"), dir_.path());
    env.insert(QStringLiteral("PYTHONDONTWRITEBYTECODE"), QStringLiteral("1"));
    process_.setProcessEnvironment(env);
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.start(QStringLiteral("/usr/bin/python3"), args);
    if (!process_.waitForStarted(10000))
        return;
    const QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired() && process_.state() == QProcess::Running) {
        if (Accepts(port_)) {
            running_ = true;
            return;
        }
        process_.waitForFinished(50);
    }
}

SmtpTestServer::~SmtpTestServer()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(5000)) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

QString SmtpTestServer::Log() const
{
    return QString::fromUtf8(const_cast<QProcess&>(process_).readAll());
}

QString SmtpTestServer::Url() const
{
    return QStringLiteral("%1://127.0.0.1:%2").arg(tls_ ? QStringLiteral("smtps") : QStringLiteral("smtp")).arg(port_);
}

std::vector<QJsonObject> SmtpTestServer::Messages() const
{
    std::vector<QJsonObject> messages;
    const QDir folder(dir_.filePath(QStringLiteral("messages")));
    for (const QString& name : folder.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name)) {
        QFile file(folder.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            messages.push_back(QJsonDocument::fromJson(file.readAll()).object());
    }
    return messages;
}

SilentListener::SilentListener()
{
    socket_ = BindLoopback(port_);
    if (socket_ >= 0 && ::listen(socket_, 4) != 0) {
        ::close(socket_);
        socket_ = -1;
        port_ = 0;
    }
}

SilentListener::~SilentListener()
{
    if (socket_ >= 0)
        ::close(socket_);
}

bool MakeSelfSignedCertificate(const QString& certFile, const QString& keyFile)
{
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"),
                  {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("rsa:2048"),
                   QStringLiteral("-nodes"), QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-subj"),
                   QStringLiteral("/CN=127.0.0.1"), QStringLiteral("-keyout"), keyFile, QStringLiteral("-out"),
                   certFile});
    return openssl.waitForFinished(30000) && openssl.exitStatus() == QProcess::NormalExit && openssl.exitCode() == 0;
}

} // namespace rekol::test
