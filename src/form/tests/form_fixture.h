#pragma once

#include "data/builder/group_builder.h"
#include "data/group_data.h"
#include "testing/recording_sink.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace rekol::test {

// A group loaded from builder bytes, with a fixed report period.
class FormFixture : public ::testing::Test {
protected:
    void Load(const GroupBuilder& builder, const QString& language = QStringLiteral("esp"))
    {
        group.language = language;
        QByteArray bytes = builder.Build();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        ASSERT_EQ(group.LoadGroupFrom(buffer, QStringLiteral("test.k09")), LoadStatus::Loaded);
        group.reportMonth = 2;
        group.yearSlot = 0;
    }

    // A group of `count` publishers named "P1", "P2", ...
    static GroupBuilder Numbered(int count)
    {
        GroupBuilder b(5, 2);
        for (int i = 1; i <= count; ++i)
            b.AddPublisher(QStringLiteral("P%1").arg(i), QStringLiteral("X"));
        return b;
    }

    RecordingSink sink;
    GroupData group{sink};
};

// The lines of `lines` that start with `prefix`.
inline QList<QByteArray> Starting(const QList<QByteArray>& lines, const QByteArray& prefix)
{
    QList<QByteArray> out;
    for (const QByteArray& line : lines) {
        if (line.startsWith(prefix))
            out.append(line);
    }
    return out;
}

} // namespace rekol::test
