#include "DataFile.h"

#include "ImageCompare.h"
#include "LangText.h"
#include "ModFun.h"
#include "Models.h"
#include "PackCheck.h"
#include "Prompts.h"
#include "RadioImage.h"
#include "RunSettings.h"
#include "SaveTarget.h"
#include "VersionTable.h"

#include <QFile>
#include <QFileInfo>


namespace {
constexpr int kModelRecordBytes = 13;

void fileError(const QString &path, const QString &reason)
{
    QString text = LangText(9002);
    if (!reason.isEmpty())
        text += QStringLiteral("\n\n") + FileNameOf(path) + QStringLiteral(": ") + reason;
    prompts().message(text, MsgIcon::Critical);
}

// Reads at most maxBytes; an empty result with ok false when the file cannot be read.
QByteArray readBytes(const QString &path, qint64 maxBytes, QString *error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = f.errorString();
        return QByteArray();
    }
    QByteArray data = f.read(maxBytes);
    if (error && f.error() != QFileDevice::NoError)
        *error = f.errorString();
    return data;
}

QString tooShort(qsizetype size)
{
    return QStringLiteral("the file is too short (%1 of %2 bytes)").arg(size).arg(kDataFileBytes);
}

// Printable ASCII, as model names are: no control bytes, nothing above 7E.
bool IsModelNameText(const QString &name)
{
    const QString t = TrimAtNul(name).trimmed();
    if (t.isEmpty())
        return false;
    for (QChar ch : t) {
        if (ch.unicode() < 0x20 || ch.unicode() > 0x7E)
            return false;
    }
    return true;
}
}

QString ImageProblem(const RadioImage &img)
{
    const int count = img.header.channelCount;
    if (count < 0 || count > kChannelSlots)
        return QStringLiteral("channel count %1 is outside 0..%2").arg(count).arg(kChannelSlots);
    if (!IsValidBand(img.header.model.bandMode))
        return QString::fromLatin1(kCountryModeError);
    for (int s = 0; s < count; ++s) {
        const int n = img.at(s).number;
        if (n < 1 || n > kLastMemChannel)
            return QStringLiteral("channel number %1 in slot %2 is outside 1..%3").arg(n).arg(s).arg(kLastMemChannel);
    }
    return QString();
}

bool ReadFullFile(const QString &path, RadioImage &into)
{
    const QByteArray data = readBytes(path, kDataFileBytes, nullptr);
    if (data.size() < kDataFileBytes)
        return false;
    RadioImage img = RadioImage::fromBytes(data);
    if (!ImageProblem(img).isEmpty())
        return false;
    into = img;
    return true;
}

bool ReadHeaderOnly(const QString &path, ImageHeader &into)
{
    const QByteArray data = readBytes(path, kHeaderBytes, nullptr);
    if (data.size() < kHeaderBytes)
        return false;
    into = ImageHeader::fromBytes(data.constData());
    return true;
}

bool WriteImageFile(const QString &path, const RadioImage &img, QString *error, const QStringList &others)
{
    return SaveFileBytes(path, img.toBytes(), others, error);
}

FileResult CheckFileIdentity(const QByteArray &data, QString *message)
{
    ModelRecord model;
    if (data.size() >= kModelRecordBytes) {
        std::copy_n(data.constData(), 7, model.name.begin());
        std::copy_n(data.constData() + 9, 4, model.version.begin());
    }
    const QString version = model.versionText();
    FileResult kind = FileResult::Ok;
    if (data.size() < kModelRecordBytes || TrimAtNul(model.nameText()) != TrimAtNul(Run().modelName)) {
        // Another radio's file names a model and a version; anything else is no data file.
        const bool otherModel = IsModelNameText(model.nameText()) && IsVersionText(version);
        kind = otherModel ? FileResult::WrongModel : FileResult::FileError;
    } else if (!IsVersionText(version)) {
        kind = FileResult::BadVersion;
    }
    if (message)
        *message = kind == FileResult::WrongModel ? LangText(9012)
                 : kind == FileResult::FileError  ? LangText(9070)
                 : kind == FileResult::BadVersion ? LangText(9065)
                                                  : QString();
    return kind;
}

FileResult OpenDataFile(const QString &path)
{
    // One read of at most one byte more than a data file: a pipe can be read only once,
    // and bytes beyond the data file are ignored.
    QString error;
    const QByteArray data = readBytes(path, kDataFileBytes + 1, &error);
    if (data.size() < kModelRecordBytes) {
        fileError(path, error.isEmpty() ? tooShort(data.size()) : error);
        return FileResult::FileError;
    }
    QString identity;
    const FileResult kind = CheckFileIdentity(data, &identity);
    if (kind != FileResult::Ok) {
        prompts().message(identity, MsgIcon::None);
        return kind;
    }
    ModelRecord model;
    std::copy_n(data.constData() + 9, 4, model.version.begin());
    const QString version = model.versionText();
    if (!IsPairListed(Run().ProgramVersion, TrimAtNul(version))) {
        const QString question = VersionMessage(Run().ProgramVersion, TrimAtNul(version), 1);
        if (prompts().ask(question, AskButtons::YesNo, MsgIcon::Question) == Answer::Yes
            && RunVersionFor(TrimAtNul(version)))
            return FileResult::VersionSwitched;
        return FileResult::VersionDeclined;
    }

    if (data.size() < kDataFileBytes) {
        fileError(path, error.isEmpty() ? tooShort(data.size()) : error);
        return FileResult::FileError;
    }
    RadioImage loaded = RadioImage::fromBytes(data.left(kDataFileBytes));
    if (!IsValidBand(loaded.header.model.bandMode)) {
        prompts().message(QString::fromLatin1(kCountryModeError), MsgIcon::Critical);
        return FileResult::BandError;
    }
    const QString problem = ImageProblem(loaded);
    if (!problem.isEmpty()) {
        fileError(path, problem);
        return FileResult::FileError;
    }

    loaded.header.model.setVersion(Run().ProgramVersion);
    Saved() = loaded;
    LoadFromSavedCopy();
    Doc().Untitled = false;
    // A damaged settings area or frequency opens (nothing is lost), with one warning
    // that names what the windows will show wrongly.
    const ProblemList problems = ProblemsOfOpenedImage(Image());
    if (!problems.isEmpty())
        prompts().message(ProblemListText(LangText(30016), problems), MsgIcon::Warning);
    return FileResult::Ok;
}

FileResult SaveDataFile(const QString &path, const QStringList &others)
{
    // The saved copy follows only a save that really wrote the file; after a failed
    // save the document still counts as modified, so no later question is skipped.
    const RadioImage before = Saved();
    SaveToSavedCopy();
    QString error;
    if (!WriteImageFile(path, Saved(), &error, others)) {
        Saved() = before;
        fileError(path, error);
        return FileResult::FileError;
    }
    Doc().Untitled = false;
    return FileResult::Ok;
}

QString DefaultImagePath(bool factory)
{
    return ProgramDir() + QStringLiteral("/Init/") + Run().modelName + QLatin1Char('_')
        + QString::number(Run().BandMode) + (factory ? QStringLiteral(".dat") : QStringLiteral("_NEW.dat"));
}

void LoadDefaultImage(bool factory)
{
    const QString path = DefaultImagePath(factory);
    if (QFileInfo::exists(path)) {
        RadioImage file;
        if (ReadFullFile(path, file)) {
            Saved() = file;
            LoadFromSavedCopy();
            return;
        }
        SaveToSavedCopy();
        return;
    }
    const QString builtIn = QString::fromLatin1(kModelName) + QStringLiteral("_0.dat");
    if (!builtIn.startsWith(Run().modelName + QLatin1Char('_')))
        return;
    ImageHeader header;
    if (!ReadHeaderOnly(ProgramDir() + QStringLiteral("/Init/") + builtIn, header)) {
        SaveToSavedCopy();
        return;
    }
    // Settings of the CB factory image, no channels, the current model and band.
    header.channelCount = 0;
    RadioImage &img = Image();
    img.header = header;
    img.header.model.setName(Run().modelName);
    img.header.model.bandMode = int16_t(Run().BandMode);
    img.header.model.setVersion(QStringLiteral("V100"));
    Saved().header = img.header;
}
