#pragma once

#include <array>

#include "questionnaire/ProgramForm.h"

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;

// The overview page: ten questions a page, each shown only by its number with
// one option button per answer, for transcribing a questionnaire answered on
// paper. Every click writes its digit into the answers at once.
class Form3 : public ProgramForm {
    Q_OBJECT
public:
    static constexpr int SlotCount = 10;

    explicit Form3(Program& program);

    void Form_Load();
    void Command1_Click();  // previous page
    void Command2_Click();  // next page
    // The ten option click procedures in one: slot 1..10, button index 0..3.
    void Option_Click(int slot, int index);

    QPushButton* Command1;
    QPushButton* Command2;
    QGroupBox* Frame1;
    QGroupBox* Frame2;
    QGroupBox* Frame3;
    QGroupBox* Frame4;
    QGroupBox* Frame5;
    QGroupBox* Frame6;
    QGroupBox* Frame7;
    QGroupBox* Frame8;
    QGroupBox* Frame9;
    QGroupBox* Frame10;
    std::array<QRadioButton*, 4> Option1;
    std::array<QRadioButton*, 4> Option2;
    std::array<QRadioButton*, 4> Option3;
    std::array<QRadioButton*, 4> Option4;
    std::array<QRadioButton*, 4> Option5;
    std::array<QRadioButton*, 4> Option6;
    std::array<QRadioButton*, 4> Option7;
    std::array<QRadioButton*, 4> Option8;
    std::array<QRadioButton*, 4> Option9;
    std::array<QRadioButton*, 4> Option10;

    // Slot k (1..10) by number: its frame, its option array, its group.
    QGroupBox* frame(int slot) const { return *frames_[slot - 1]; }
    const std::array<QRadioButton*, 4>& option(int slot) const { return *options_[slot - 1]; }
    // Clears the slot's selection; an exclusive group keeps one button
    // checked unless exclusivity is lifted meanwhile.
    void unselectAll(int slot);
    // Makes the slot one Tab stop, on its shown selected button, else on its
    // "1": Tab then never lands on an earlier question's answer or on a
    // hidden button.
    void settleTabStop(int slot);

protected:
    void Form_Unload() override;

private:
    std::array<QGroupBox**, SlotCount> frames_;
    std::array<std::array<QRadioButton*, 4>*, SlotCount> options_;
    std::array<QButtonGroup*, SlotCount> groups_{};
};
