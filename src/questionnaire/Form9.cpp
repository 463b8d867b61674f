#include "questionnaire/Form9.h"

#include "ui/Pictures.h"

namespace Form9 {

QPixmap Picture2()
{
    return Picture(QStringLiteral("help_steps"));
}

QPixmap Picture3()
{
    return Picture(QStringLiteral("splash_alt"));
}

}  // namespace Form9
