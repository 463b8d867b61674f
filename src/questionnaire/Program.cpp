#include "questionnaire/Program.h"

#include "questionnaire/Form1.h"
#include "questionnaire/QuestionBank.h"
#include "ui/VbText.h"

Program::Program(std::unique_ptr<Platform> platform, std::unique_ptr<Ui> ui)
    : questionBankFile(QuestionBank::ShippedFile), platform_(std::move(platform)), ui_(std::move(ui))
{
    state.Answers = EmptyAnswers();
}

Program::~Program()
{
    // Other windows first: they are children of the main window.
    QPointer<QWidget> main = mainWindow();
    for (auto& [type, window] : forms_) {
        if (window && window != main)
            delete window.data();
    }
    delete main.data();
    forms_.clear();
}

void Program::forget(QWidget* window)
{
    for (auto it = forms_.begin(); it != forms_.end(); ++it) {
        if (it->second == window) {
            forms_.erase(it);
            return;
        }
    }
}

QWidget* Program::mainWindow() const
{
    return loadedForm<Form1>();
}

void Program::centre(QWidget& window)
{
    const QSizeF screen = platform_->ScreenTwips();
    const QSize frame = window.frameGeometry().size().expandedTo(window.size());
    const double left = (screen.width() - Twips(frame.width())) / 2;
    const double top = (screen.height() - Twips(frame.height())) / 2;
    window.move(Px(left), Px(top));
}

const QuestionBank* Program::questionBank(QString* error)
{
    if (!bankTried_) {
        bankTried_ = true;
        auto bank = std::make_unique<QuestionBank>();
        if (QuestionBank::loadFile(questionBankFile, *bank, bankError_))
            bank_ = std::move(bank);
    }
    if (!bank_ && error)
        *error = bankError_;
    return bank_.get();
}

const QuestionBank* Program::usableQuestionBank()
{
    QString error;
    const QuestionBank* bank = questionBank(&error);
    if (!bank)
        MsgBox(QStringLiteral("Der Fragenkatalog des Programms ist beschädigt und kann nicht verwendet werden.") + CrLf
                   + error,
               vbCritical, QStringLiteral("Fragenkatalog fehlerhaft"));
    return bank;
}
