#pragma once

#include "ui/Form.h"

class Program;

// A window of this program: a Form hosted by the run, which its event
// procedures reach as program_.
class ProgramForm : public Form {
    Q_OBJECT
public:
    ProgramForm(Program& program, Kind kind);

protected:
    Program& program_;
};
