#pragma once
// The program's questions and messages as real message boxes, prompts and
// file choosers.

#include <QPointer>
#include <QString>

#include "storage/dialogs.h"

class QWidget;

namespace vorlane {

class QtDialogs : public Dialogs {
public:
    // Boxes are centred over parent (the active window when there is none).
    explicit QtDialogs(QWidget* parent = nullptr);
    void SetParent(QWidget* parent) { parent_ = parent; }

    void Information(const std::string& text) override;
    void Error(const std::string& text) override;
    bool AskYesNo(const std::string& question) override;
    Answer AskYesNoCancel(const std::string& question) override;
    std::string Prompt(const std::string& caption, const std::string& prompt, const std::string& defaultText,
                       bool hidden = false) override;
    std::optional<std::string> ChooseFileToOpen(const std::string& title, const std::string& filter,
                                                const std::string& initialDir) override;
    std::optional<std::string> ChooseFileToOpenOnFilter(const std::string& title, const std::string& filter,
                                                        const std::string& initialDir, int selectedFilter) override;
    std::optional<std::string> ChooseFileToSave(const std::string& title, const std::string& filter,
                                                const std::string& defaultExtension,
                                                const std::string& initialDir) override;
    std::size_t AskChoice(const std::string& question, const std::vector<std::string>& choices) override;

private:
    QWidget* parent() const;
    QPointer<QWidget> parent_;
};

// "Vorlane File|*.dat|All|*.*" -> "Vorlane File (*.dat);;All (*.*)".
QString QtFileFilter(const std::string& filter);

// name with the default extension (".dat" or "dat") when its file name has
// no point.
QString WithDefaultExtension(const QString& name, const std::string& defaultExtension);
// Where a chooser opens: the folder given, else the person's documents, else
// the home folder; always a folder that exists, so the chooser never takes
// its name for a file name.
QString StartFolder(const std::string& initialDir);

}  // namespace vorlane
