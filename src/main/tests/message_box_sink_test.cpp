#include "main/widgets/message_box_sink.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

using namespace rekol;

namespace {

struct Seen {
    QString caption;
    QString text;
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Answers the next message box with `answer` and reports what it showed.
void AnswerNextBox(Seen& seen, QMessageBox::StandardButton answer)
{
    QTimer::singleShot(0, [&seen, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = {box->windowTitle(), box->text(), box->standardButtons(), box->icon()};
        box->button(answer)->click();
    });
}

} // namespace

TEST(MessageBoxSink, CaptionIsTheApplicationsTitleAndAnswersComeBack)
{
    MessageBoxSink sink;
    Seen seen;
    AnswerNextBox(seen, QMessageBox::Ok);
    EXPECT_EQ(sink.ShowMessage("Group has less than 3 publishers"), MessageAnswer::Ok);
    EXPECT_EQ(seen.caption, QCoreApplication::applicationName());
    EXPECT_EQ(seen.text, QString("Group has less than 3 publishers"));
    EXPECT_EQ(seen.buttons, QMessageBox::Ok);

    AnswerNextBox(seen, QMessageBox::No);
    EXPECT_EQ(sink.ShowMessage("<b>¿Enviar?</b>", MessageButtons::YesNo, MessageIcon::Question), MessageAnswer::No);
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(seen.icon, QMessageBox::Question);

    AnswerNextBox(seen, QMessageBox::Yes);
    EXPECT_EQ(sink.ShowMessage("x", MessageButtons::YesNo, MessageIcon::Warning), MessageAnswer::Yes);
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
}
