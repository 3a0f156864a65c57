#include "story/room_descriptions.h"

#include <string>
#include <vector>

#include "console/console.h"
#include "console/encoding.h"
#include "console/text_output.h"
#include "world/rooms.h"

namespace {

struct RoomText {
  std::string title;
  std::vector<std::string> short_form;  // sentences of a brief revisit
  std::vector<std::string> full_form;   // paragraphs, an empty line between them
};

RoomText TextOf(const GameSession& s) {
  switch (s.current_room) {
    case 1:
      return {Cp850("Am Waldeingang"),
              {},
              {Cp850("Im Norden liegt er nun also, der Wald. Ein Baum steht neben dem anderen, und alle "
                     "zusammen versperren sie dir gründlich die Sicht."),
               Cp850("Ein schmaler Weg führt in den Wald hinein. Um zu deiner Oma zu gelangen, musst du "
                     "immer nur Richtung Norden gehen.")}};
    default:
      return {};
  }
}

}  // namespace

void DescribeRoom(GameSession& session, Console& console) {
  const RoomText room = TextOf(session);
  session.place_name = room.title;

  console.SetForeground(session.accent_colour);
  console.SetCursor(console.CursorRow(), 1);
  console.Write(room.title);
  console.LineEnd();
  ++session.lines_since_pause;
  console.SetForeground(kLightGrey);

  int& visited = VisitedFlag(session, session.current_room);
  if (session.brief_mode == 1 && visited == 1 && session.command.verb != "schaue") {
    for (const std::string& sentence : room.short_form) {
      console.LineEnd();
      PrintMessage(session, console, sentence);
    }
  } else {
    for (const std::string& paragraph : room.full_form) {
      PrintMessage(session, console, "");
      PrintMessage(session, console, paragraph);
    }
    if (session.current_room == 1 && session.first_prompt_done == 0) console.SetCursor(22, 1);
    visited = 1;
  }
}
