// The floor of the form benchmark: a bare Qt program that draws the calls of
// a trace into a PDF, with no group file, layout or drawing interface.
// Usage: replay_trace TRACE OUT.pdf DPI
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>

#include <cstdio>
#include <cstdlib>

namespace {

QString Unquote(const QByteArray& quoted)
{
    QByteArray out;
    for (qsizetype k = 1; k + 1 < quoted.size(); ++k) {
        if (quoted[k] == '\\' && k + 2 < quoted.size())
            ++k;
        out += quoted[k];
    }
    return QString::fromUtf8(out);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: replay_trace TRACE OUT.pdf DPI\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QFile trace(QString::fromLocal8Bit(argv[1]));
    if (!trace.open(QIODevice::ReadOnly))
        return 1;
    const int dpi = std::atoi(argv[3]);
    QPdfWriter writer(QString::fromLocal8Bit(argv[2]));
    writer.setResolution(dpi);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    QPainter painter(&writer);
    bool firstPage = true;
    while (!trace.atEnd()) {
        const QByteArray line = trace.readLine().trimmed();
        if (line == "page") {
            if (!firstPage)
                writer.newPage();
            firstPage = false;
        } else if (line.startsWith("line ")) {
            const QList<QByteArray> f = line.split(' ');
            QPen pen(Qt::black, f[5].toInt(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
            painter.setPen(pen);
            painter.drawLine(f[1].toInt(), f[2].toInt(), f[3].toInt(), f[4].toInt());
        } else if (line.startsWith("text ")) {
            const QList<QByteArray> f = line.left(line.indexOf('"')).split(' ');
            QFont font(QStringLiteral("Arial"));
            font.setPixelSize(dpi * f[4].toInt() / 720);
            font.setWeight(f[5] == "bold" ? QFont::Bold : QFont::Normal);
            painter.setFont(font);
            const QFontMetrics metrics = painter.fontMetrics();
            const QString text = Unquote(line.mid(line.indexOf('"')));
            const int x = f[3] == "right" ? f[1].toInt() - metrics.horizontalAdvance(text) : f[1].toInt();
            painter.setPen(Qt::black);
            painter.drawText(x, f[2].toInt() + metrics.ascent(), text);
        }
    }
    return painter.end() ? 0 : 1;
}
