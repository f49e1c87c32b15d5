#include "DocumentCommands.h"

#include "DataFile.h"
#include "DocumentPlaces.h"
#include "FileChooser.h"
#include "ImageCompare.h"
#include "LangText.h"
#include "ModFun.h"
#include "Prompts.h"
#include "RunSettings.h"

QString DataFileFilter()
{
    return LangText(9001) + QStringLiteral(" (*.dat)");
}

bool SaveDocument()
{
    if (SaveDataFile(Doc().DocumentPath) != FileResult::Ok)
        return false;
    Doc().Untitled = false;
    AddRecentFile(Doc().DocumentPath);
    return true;
}

bool SaveDocumentAs()
{
    const QString chosen = fileChooser().chooseSavePath(DataFileFilter(), Doc().DocumentPath);
    if (chosen.isEmpty())
        return false;
    const QString previous = Doc().DocumentPath;
    Doc().DocumentPath = chosen;
    if (SaveDocument())
        return true;
    // The file was not written: the document still belongs where it came from.
    Doc().DocumentPath = previous;
    return false;
}

bool SaveCommand()
{
    if (Doc().Untitled)
        return SaveDocumentAs();
    const QString question = QLatin1Char('"') + FileNameOf(Doc().DocumentPath) + QLatin1Char('"') + LangText(9007);
    if (prompts().ask(question, AskButtons::OkCancel, MsgIcon::Question) != Answer::Ok)
        return false;
    return SaveDocument();
}

UnsavedDecision SettleBeforeReplacing(CancelMeans cancel)
{
    if (!IsModified())
        return UnsavedDecision::Proceed;
    switch (prompts().ask(LangText(9006), AskButtons::YesNoCancel, MsgIcon::Warning)) {
    case Answer::Yes: {
        const bool saved = Doc().Untitled ? SaveDocumentAs() : SaveDocument();
        return saved ? UnsavedDecision::Proceed : UnsavedDecision::Stop;
    }
    case Answer::No:
        return UnsavedDecision::Proceed;
    default:
        return cancel == CancelMeans::Proceed ? UnsavedDecision::Proceed : UnsavedDecision::Stop;
    }
}

UnsavedDecision SettleBeforeExit()
{
    if (!IsModified())
        return UnsavedDecision::Proceed;
    switch (prompts().ask(LangText(9006), AskButtons::YesNoCancel, MsgIcon::Warning)) {
    case Answer::Yes:
        return SaveCommand() ? UnsavedDecision::Proceed : UnsavedDecision::Stop;
    case Answer::No:
        return UnsavedDecision::Proceed;
    default:
        return UnsavedDecision::Stop;
    }
}

QString ChooseFileToOpen()
{
    return fileChooser().chooseOpenPath(DataFileFilter());
}
