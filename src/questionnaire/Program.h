#pragma once

#include <map>
#include <memory>
#include <optional>
#include <typeindex>

#include <QPointer>
#include <QString>
#include <QWidget>

#include "questionnaire/ProgramState.h"
#include "ui/FormHost.h"
#include "ui/Platform.h"
#include "ui/Ui.h"

class QDialog;
class QuestionBank;

// The context of one run: the program-wide state, the platform, the message
// and modal-window layer, and the windows. Windows are created the first time
// they are needed and forgotten when they are unloaded.
class Program : public FormHost {
public:
    Program(std::unique_ptr<Platform> platform, std::unique_ptr<Ui> ui);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    ProgramState state;

    Platform& platform() { return *platform_; }
    Ui& ui() { return *ui_; }

    int MsgBox(const QString& text, int style, const QString& title = QString())
    {
        return ui_->MsgBox(text, style, title);
    }
    void ShowModal(QDialog& window) { ui_->ShowModal(window); }

    // The window of class F, created (and its load event run) on first use.
    template <class F>
    F& form();
    // The window of class F if it is loaded, else nullptr.
    template <class F>
    F* loadedForm() const;
    // Called by a window that is being unloaded.
    void forget(QWidget* window) override;

    // The main window, or nullptr before it exists; parent of every other window.
    QWidget* mainWindow() const override;

    // Places a window in the middle of the screen (left and top from the
    // screen size and the window size, in twips).
    void centre(QWidget& window) override;

    // The question bank compiled into the program; nullptr (and a German
    // description in error) when it is missing or malformed.
    const QuestionBank* questionBank(QString* error = nullptr);
    // The same, but a broken bank is reported to the user ("Fragenkatalog
    // fehlerhaft"), so that no questionnaire starts on it.
    const QuestionBank* usableQuestionBank();
    // Where the bank is read from on first use (the compiled-in one).
    QString questionBankFile;

private:
    std::unique_ptr<Platform> platform_;
    std::unique_ptr<Ui> ui_;
    std::map<std::type_index, QPointer<QWidget>> forms_;
    std::unique_ptr<QuestionBank> bank_;
    QString bankError_;
    bool bankTried_ = false;
};

template <class F>
F& Program::form()
{
    QPointer<QWidget>& slot = forms_[std::type_index(typeid(F))];
    if (!slot) {
        F* created = new F(*this);
        slot = created;
        if constexpr (requires(F& f) { f.Form_Load(); })
            created->Form_Load();
        return *created;
    }
    return *static_cast<F*>(slot.data());
}

template <class F>
F* Program::loadedForm() const
{
    const auto it = forms_.find(std::type_index(typeid(F)));
    if (it == forms_.end() || !it->second)
        return nullptr;
    return static_cast<F*>(it->second.data());
}
