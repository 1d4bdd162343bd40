// Loading and saving the largest valid group file (127 publishers, 254
// notes) and counting who has not reported.
#include "data/builder/group_builder.h"
#include "data/group_data.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

class SilentSink : public rekol::MessageSink {
public:
    rekol::MessageAnswer ShowMessage(const QString&, rekol::MessageButtons, rekol::MessageIcon) override
    {
        return rekol::MessageAnswer::Ok;
    }
};

struct LargestGroup {
    LargestGroup()
    {
        rekol::GroupBuilder b(7, 4);
        b.SecretaryEmail("secretario@example.org");
        for (int i = 0; i < 127; ++i)
            b.AddPublisher(QStringLiteral("Nombre%1").arg(i), QStringLiteral("Apellido%1").arg(i))
                .Email(QStringLiteral("persona%1@example.org").arg(i))
                .Phones(QStringLiteral("555 %1").arg(1000 + i), QStringLiteral("600 123 %1").arg(100 + i))
                .Report(4, i % 2, i % 3 != 0, i % 4, i % 50);
        for (int k = 0; k < 254; ++k)
            b.AddNote(QByteArray("nota ") + QByteArray::number(k));
        path = dir.filePath("Grupo.k09");
        b.WriteTo(path);
    }
    QTemporaryDir dir;
    QString path;
};

LargestGroup& Fixture()
{
    static LargestGroup fixture;
    return fixture;
}

void BM_LoadGroupFile(benchmark::State& state)
{
    SilentSink sink;
    rekol::GroupData group(sink);
    for (auto _ : state)
        benchmark::DoNotOptimize(group.LoadGroupFile(Fixture().path));
}
BENCHMARK(BM_LoadGroupFile)->Unit(benchmark::kMicrosecond);

void BM_SerializeGroup(benchmark::State& state)
{
    SilentSink sink;
    rekol::GroupData group(sink);
    group.LoadGroupFile(Fixture().path);
    for (auto _ : state)
        benchmark::DoNotOptimize(group.SerializeGroup());
}
BENCHMARK(BM_SerializeGroup)->Unit(benchmark::kMicrosecond);

void BM_SaveGroupFile(benchmark::State& state)
{
    SilentSink sink;
    rekol::GroupData group(sink);
    group.LoadGroupFile(Fixture().path);
    const QString out = Fixture().dir.filePath("Grupo.k19");
    for (auto _ : state)
        benchmark::DoNotOptimize(group.SaveGroupFile(out));
}
BENCHMARK(BM_SaveGroupFile)->Unit(benchmark::kMicrosecond);

void BM_CountNotReported(benchmark::State& state)
{
    SilentSink sink;
    rekol::GroupData group(sink);
    group.LoadGroupFile(Fixture().path);
    for (auto _ : state)
        benchmark::DoNotOptimize(group.CountNotReported(4, 0));
}
BENCHMARK(BM_CountNotReported)->Unit(benchmark::kNanosecond);

} // namespace

BENCHMARK_MAIN();
