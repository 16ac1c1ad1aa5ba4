#include "Apps/Tallimo/TallimoHelp.h"

#include "Apps/Common/MarkupText.h"
#include "frame/api/IImage.h"

namespace tallimo {
namespace {

struct HelpLine {
    int y;
    const char* text;
};

constexpr HelpLine kLines[] = {
    {35, "Tallimo is a game of speed, skill, and matching that will test your reflexes and make"},
    {50, "you work up a sweat without you ever having to set foot on the court or the field. Your"},
    {65, "job is simple: fill up a truck with various sporting goods balls and send it on its way."},
    {80, "Sounds easy? Here's the catch. You have to match the balls in a pre-defined"},
    {95, "arrangement or else the store that you're delivering to won't accept the shipment."},
    {110, "And, the balls keep coming faster and the truck keeps getting bigger."},
    {140, "To start, select a difficulty level in the title screen and click \"Start the Game\".  The higher"},
    {155, "the number, the tougher the level.  Once in a level, different balls will roll across a"},
    {170, "conveyor belt and will fall into the waiting truck. Use the left and right arrow keys to"},
    {185, "position each ball over a column and press the space bar or the down arrow to drop"},
    {200, "the ball. The ball will fall to the lowest unfilled shelf within the selected column."},
    {230, "Each level requires that you match a minimum number of balls in the truck. The"},
    {245, "number in the upper right of the screen will display how many balls you still need to"},
    {260, "match to meet the minimum requirement.  You start the game with three lives."},
    {275, "If you fail to pass the minimum number, you'll lose a life and you can try again."},
    {305, "You'll receive bonus points for each ball you match beyond the minimum required.  If"},
    {320, "you fill a truck perfectly, you'll receive an extra life and special bonus points."},
    {350, "<b>How long can <c000000c0000cc>you<c000000> keep up with the balls?</b>"},
};

void DrawHelp(IImage& page) {
    page.ClearToColor(255, 153, 0);
    DrawMarkupTextOld(&page, "<S3></b></i></u></c><c000000>", 0, 0);
    DrawMarkupTextOld(&page, "<b>Tallimo</B>", 20, 20);
    for (const HelpLine& line : kLines) DrawMarkupTextOld(&page, line.text, 20, line.y);
}

}  // namespace

HelpPageStyle TallimoHelpStyle() {
    HelpPageStyle style("<c333333><s4>Tallimo is a trademark of Rivakel.", 303);
    style.draw = DrawHelp;
    return style;
}

}  // namespace tallimo
