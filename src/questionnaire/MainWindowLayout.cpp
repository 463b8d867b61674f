#include "questionnaire/MainWindowLayout.h"

MainWindowPositions ArrangeMainWindow(double outerWidth, double outerHeight, const MainWindowSizes& s)
{
    // Single precision, as the window's own coordinates are.
    const float W = float(s.Command4W);
    const float H = float(s.Command4H);
    MainWindowPositions p;

    // 1. All three headers one button wide.
    p.Label1Width = s.Label2W;

    // 2. Column 1, four rows without gaps.
    const float x1 = float(outerWidth) / 2 - 2 * W - 250 + 500;
    const float y1 = float(outerHeight) / 2 - 3 * H - 400;
    p.Command4 = QPointF(x1, y1);
    p.Command5 = QPointF(x1, y1 + H);
    p.Command17 = QPointF(p.Command5.x(), p.Command5.y() + s.Command5H);
    p.Command3 = QPointF(p.Command17.x(), p.Command17.y() + s.Command17H);

    // 3. Column 2, 100 twips to the right.
    const float x2 = x1 + W + 100;
    p.Command24 = QPointF(x2, y1);
    p.Command1 = QPointF(x2, p.Command24.y() + s.Command24H);
    p.Command2 = QPointF(x2, p.Command1.y() + s.Command1H);

    // 4. Column 3.
    const float x3 = float(p.Command24.x()) + float(s.Command24W) + 100;
    p.Command6 = QPointF(x3, p.Command24.y());
    p.Command15 = QPointF(x3, p.Command6.y() + s.Command6H);
    p.Command7 = QPointF(x3, p.Command15.y() + s.Command15H);
    p.Command18 = QPointF(x3, p.Command7.y() + s.Command7H);

    // 5. Headers above the first row.
    const float yh = y1 - float(s.Label1H) - 100;
    p.Label1 = QPointF(x1, yh);
    p.Label2 = QPointF(p.Command1.x(), yh);
    p.Label4 = QPointF(p.Command15.x(), yh);

    // 6. Vertical lines framing the headers.
    p.LineY1 = p.Label1.y();
    p.LineY2 = p.Label1.y() + s.Label1H;
    p.Line1X = p.Label1.x() - 50;
    p.Line2X = p.Label2.x() - 50;
    p.Line4X = p.Label4.x() - 50;
    p.Line5X = p.Label4.x() + s.Label4W + 50;

    // 7. Name and date frames below the columns.
    p.Frame1 = QPointF(x1 - W / 2 - 50 - 500, y1 + 6 * H + 100);
    p.Frame2 = QPointF(p.Frame1.x() + s.Frame1W + 100, p.Frame1.y());

    // 8. The help hint touches the help button's right edge.
    p.Label3 = QPointF(p.Command18.x() + s.Command18W, p.Command18.y());

    // 9. The digitising button left of column 1.
    p.Command26 = QPointF(x1 - float(s.Command26W) - 100, y1);
    return p;
}
