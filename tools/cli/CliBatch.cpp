#include "CliBatch.h"

#include "CliCommand.h"
#include "StderrPrompter.h"
#include "TerminalLine.h"
#include "core/session/CommandError.h"
#include "core/session/TextNumbers.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QThread>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {
struct BatchArguments
{
    QStringList inputs;
    QStringList options; // the command's own, but -o
    QString output;      // -o: with several files only its extension counts
    QString outputDir;
    std::optional<int> jobs;
};

// A command's arguments told apart without knowing every option: an option
// not among its flags takes the argument after it. Nothing when -j or -d is
// given wrongly.
std::optional<BatchArguments> parseBatchArguments(const CliBatch &batch, const QStringList &arguments)
{
    BatchArguments parsed;
    const bool writes = !batch.outputSuffix.isEmpty();
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        const bool hasValue = i + 1 < arguments.size();
        if (argument == u"-j"_s) {
            parsed.jobs = hasValue && !parsed.jobs ? TextNumbers::tryInteger(arguments.at(++i)) : std::nullopt;
            if (!parsed.jobs || *parsed.jobs < 1)
                return std::nullopt;
        } else if (argument == u"-d"_s) {
            if (!writes || !hasValue || !parsed.outputDir.isEmpty() || arguments.at(i + 1).isEmpty())
                return std::nullopt;
            parsed.outputDir = arguments.at(++i);
        } else if (writes && argument == u"-o"_s && hasValue && parsed.output.isEmpty()) {
            parsed.output = arguments.at(++i);
        } else if (argument.size() > 1 && argument.startsWith(u'-')) {
            parsed.options.append(argument);
            if (hasValue && !batch.flags.contains(argument))
                parsed.options.append(arguments.at(++i));
        } else {
            parsed.inputs.append(argument);
        }
    }
    return parsed;
}

// The files a folder holds that the command reads, by name.
QStringList filesIn(const QString &folder, const CliBatch &batch)
{
    QStringList files;
    const QDir dir(folder);
    for (const QFileInfo &entry : dir.entryInfoList(QDir::Files, QDir::Name)) {
        if (batch.inputSuffixes.contains(entry.suffix().toLower()))
            files.append(dir.filePath(entry.fileName()));
    }
    return files;
}

struct FileRun
{
    int status = 0;
    QList<CapturedLine> lines;
};

// One run of the command, as the program has always run one: a CommandError
// that ends it is its message and status 1.
int runOnce(const CliCommand &command, const QStringList &arguments)
{
    StderrPrompter prompter;
    int status = 0;
    if (!runCommand(prompter, [&] { status = command.run(arguments); }))
        return 1;
    return status;
}

// Each stream's lines of a file under its name.
void printRun(const QString &name, const FileRun &run, bool named)
{
    for (const bool error : {false, true}) {
        bool first = true;
        for (const CapturedLine &line : run.lines) {
            if (line.error != error)
                continue;
            if (first && named)
                (error ? printError : printLine)(name + u':');
            first = false;
            (error ? printError : printLine)(line.text);
        }
        std::fflush(error ? stderr : stdout);
    }
}

class Batch
{
public:
    Batch(const CliCommand &command, QList<QStringList> runs, QStringList names)
        : mCommand(command), mArguments(std::move(runs)), mNames(std::move(names)), mRuns(size_t(mNames.size()))
    {
    }

    // The worst status of the runs, printed in order as they end.
    int run(int jobs)
    {
        std::vector<std::thread> workers;
        for (int i = 0; i < std::min<qsizetype>(jobs, mNames.size()); ++i)
            workers.emplace_back([this] { work(); });
        const int worst = printInOrder();
        mStopped = true;
        for (std::thread &worker : workers)
            worker.join();
        return worst;
    }

private:
    void work()
    {
        for (size_t i = mNext++; i < mRuns.size() && !mStopped; i = mNext++) {
            FileRun run;
            {
                CapturedOutput output;
                run.status = runOnce(mCommand, mArguments.at(qsizetype(i)));
                run.lines = std::move(output.lines);
            }
            const std::lock_guard lock(mMutex);
            mRuns[i] = std::move(run);
            mEnded.notify_one();
        }
    }

    int printInOrder()
    {
        using Clock = std::chrono::steady_clock;
        // Short batches end before a progress line would help.
        const Clock::time_point showFrom = Clock::now() + std::chrono::milliseconds(500);
        const bool several = mNames.size() > 1;
        const bool terminal = several && stderrIsTerminal();
        TerminalLine progress;
        int worst = 0;
        for (size_t i = 0; i < mRuns.size(); ++i) {
            std::unique_lock lock(mMutex);
            while (!mEnded.wait_for(lock, std::chrono::milliseconds(100), [&] { return mRuns[i].has_value(); })) {
                if (terminal && Clock::now() >= showFrom)
                    progress.show(u"%1: %2 of %3 files"_s.arg(mCommand.name).arg(i).arg(mNames.size()));
            }
            const FileRun run = *std::exchange(mRuns[i], std::nullopt);
            lock.unlock();
            progress.clear();
            // Wrong usage is the same for every file: said once.
            if (run.status == 2) {
                printRun(QString(), run, false);
                return 2;
            }
            printRun(mNames.at(qsizetype(i)), run, several);
            worst = std::max(worst, run.status);
        }
        return worst;
    }

    const CliCommand &mCommand;
    const QList<QStringList> mArguments;
    const QStringList mNames;
    std::vector<std::optional<FileRun>> mRuns;
    std::atomic_size_t mNext{0};
    std::atomic_bool mStopped{false};
    std::mutex mMutex;
    std::condition_variable mEnded;
};

int runBatch(const CliCommand &command, const BatchArguments &parsed)
{
    const CliBatch &batch = *command.batch;
    int worst = 0;
    QStringList files;
    for (const QString &input : parsed.inputs) {
        if (!QFileInfo(input).isDir()) {
            files.append(input);
            continue;
        }
        const QStringList found = filesIn(input, batch);
        if (found.isEmpty()) {
            printError(u"mirandel-cli: %1 holds no .%2 files"_s.arg(input, batch.inputSuffixes.join(u", ."_s)));
            worst = 1;
        }
        files.append(found);
    }
    const QString suffix = parsed.output.isEmpty() ? batch.outputSuffix : QFileInfo(parsed.output).suffix();
    if (!batch.outputSuffix.isEmpty() && suffix.isEmpty()) {
        const int status = usageError(command);
        printError(u"mirandel-cli: with several files -o names only the outputs' extension, as in -o .%1"_s.arg(
            batch.outputSuffix));
        return status;
    }
    QList<QStringList> runs;
    QSet<QString> outputs;
    for (const QString &file : std::as_const(files)) {
        QStringList arguments = QStringList{file} + parsed.options;
        if (!batch.outputSuffix.isEmpty()) {
            const QFileInfo input(file);
            const QDir folder(parsed.outputDir.isEmpty() ? input.path() : parsed.outputDir);
            const QString output = folder.filePath(input.completeBaseName() + u'.' + suffix);
            // As one -o for two files: wrong usage.
            if (outputs.contains(QFileInfo(output).absoluteFilePath()))
                return usageError(command);
            outputs.insert(QFileInfo(output).absoluteFilePath());
            arguments << u"-o"_s << output;
        }
        runs.append(arguments);
    }
    if (files.isEmpty())
        return worst == 0 ? usageError(command) : worst;
    if (!parsed.outputDir.isEmpty() && !QDir().mkpath(parsed.outputDir)) {
        printError(u"mirandel-cli: cannot make the folder %1"_s.arg(parsed.outputDir));
        return 1;
    }
    Batch run(command, runs, files);
    return std::max(worst, run.run(parsed.jobs.value_or(std::max(1, QThread::idealThreadCount()))));
}
} // namespace

int runCommandOnFiles(const CliCommand &command, const QStringList &arguments)
{
    const std::optional<BatchArguments> parsed =
        command.batch ? parseBatchArguments(*command.batch, arguments) : std::nullopt;
    const bool oneFile = parsed && parsed->inputs.size() <= 1 && parsed->outputDir.isEmpty() && !parsed->jobs
        && !(parsed->inputs.size() == 1 && QFileInfo(parsed->inputs.first()).isDir());
    if (!parsed || oneFile) {
        // -j or -d given wrongly is wrong usage, as the command itself says.
        if (command.batch && !parsed)
            return usageError(command);
        return runOnce(command, arguments);
    }
    return runBatch(command, *parsed);
}

QString batchHelp(const CliBatch &batch)
{
    QString help = u"Several files, and folders for the .%1 files in them, are worked through in one call, -j N at a "
                   u"time (the number of cores when not given)."_s.arg(batch.inputSuffixes.join(u", ."_s));
    if (!batch.outputSuffix.isEmpty()) {
        help += u" Each output is named after its input with the extension of -o (.%1 when not given), in the "
                u"folder of -d OUTDIR or beside the input."_s.arg(batch.outputSuffix);
    }
    help += u" Each file's lines follow a line with its name; the exit status is the worst."_s;
    // Wrapped as the commands' own help is.
    constexpr qsizetype Width = 95;
    QString wrapped = u"\n"_s;
    qsizetype lineStart = wrapped.size();
    for (const QString &word : help.split(u' ')) {
        if (wrapped.size() > lineStart && wrapped.size() - lineStart + 1 + word.size() > Width) {
            wrapped += u'\n';
            lineStart = wrapped.size();
        } else if (wrapped.size() > lineStart) {
            wrapped += u' ';
        }
        wrapped += word;
    }
    return wrapped;
}
