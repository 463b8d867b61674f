#pragma once

#include <QPointF>

// The arithmetic of the main window's layout, in twips. Inputs are the outer
// window size and the current control sizes; the result is every position the
// layout sets. Pure, so that it can be checked number by number.
struct MainWindowSizes {
    double Command4W = 975, Command4H = 975;
    double Command5H = 975, Command17H = 975;
    double Command24W = 975, Command24H = 975, Command1H = 975;
    double Command6H = 975, Command15H = 975, Command7H = 975;
    double Command18W = 975;
    double Command26W = 975;
    double Label1H = 255;
    double Label2W = 975, Label4W = 975;
    double Frame1W = 3615;
};

struct MainWindowPositions {
    QPointF Command4, Command5, Command17, Command3;
    QPointF Command24, Command1, Command2;
    QPointF Command6, Command15, Command7, Command18;
    QPointF Command26;
    QPointF Label1, Label2, Label4;
    double Label1Width = 0;
    double Line1X = 0, Line2X = 0, Line4X = 0, Line5X = 0;
    double LineY1 = 0, LineY2 = 0;
    QPointF Frame1, Frame2;
    QPointF Label3;
};

MainWindowPositions ArrangeMainWindow(double outerWidth, double outerHeight, const MainWindowSizes& size);
