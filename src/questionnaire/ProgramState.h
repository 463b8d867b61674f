#pragma once

#include <QString>

// Every program-wide variable of one run. Flags hold 0 or 1 and are tested
// against 1. Texts start empty. The run's context `Program` owns one of these.
struct ProgramState {
    // Folders and constants fixed at start-up.
    QString AppDir;
    QString WindowsDir;
    QString Version;
    QString RecipientAddress;  // "das", institute, street, postcode and town, joined by CR LF
    QString RecipientEmail;
    int DisplayScaled = 0;

    // Files and dialogs.
    QString LastDir;
    QString LastSavedFile;
    QString CurrentFilePath;
    int Modified = 0;
    int DialogCancelled = 0;
    int SaveFailed = 0;

    // The questionnaire: character n is the answer to question n ("0" = open).
    QString Answers;

    // Personal data in their fixed order, then the result password.
    QString ClientName;
    QString ClientFirstName;
    QString ClientSex;
    QString ClientAge;
    QString ClientPhone;
    QString ClientOccupation;
    QString ClientDate;
    QString ClientStreet;
    QString ClientPostcodeCity;
    QString ClientCountry;
    QString ClientEmailOrFax;
    QString SendResultOption;
    QString ResultPassword;

    // The five issuer fields that head every answer file.
    QString IssuerName;
    QString IssuerStreet;
    QString IssuerPostcodeCity;
    QString IssuerCountry;
    QString IssuerEmail;

    QString WorkingTimeMinutes;
    int PersonalDataConfirmed = 0;
    int NoticeShown = 0;
    int GuidanceActive = 0;
    int AutoSequence = 0;

    // Used by one part each, kept here so that every window sees the same run.
    QString LastDirAtStart;
    int CurrentQuestion = 1;
    QString QuestionText;
    QString AnswerText1;
    QString AnswerText2;
    QString AnswerText3;
    QString AnswerText4;
    int OverviewFirst = 0;   // 0 = not set yet
    int OverviewFilling = 0;
    float StartTime = 0;
    int Warned90 = 0;
    int Warned120 = 0;
    int InfoWindowMode = 0;
    QString ProbeFile;
    int FileExists = 0;

    // The twelve personal-data fields in file order (lines of the .std and .lst
    // files, lines 6..17 of the answer file).
    QString* personalField(int index);
    static constexpr int PersonalFieldCount = 12;
};

inline QString* ProgramState::personalField(int index)
{
    QString* fields[PersonalFieldCount] = {
        &ClientName,   &ClientFirstName,   &ClientSex,     &ClientAge,
        &ClientPhone,  &ClientOccupation,  &ClientDate,    &ClientStreet,
        &ClientPostcodeCity, &ClientCountry, &ClientEmailOrFax, &SendResultOption};
    return (index >= 0 && index < PersonalFieldCount) ? fields[index] : nullptr;
}
