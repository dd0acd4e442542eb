#pragma once
// A message the user must see, returned as data; the windows show it as a message box.

#include <string>
#include <vector>

namespace veskaro {

enum class MessageKind { Information, Exclamation, Critical, Question, Plain };

struct Message {
    MessageKind kind = MessageKind::Plain;
    std::string title;
    std::string text; // CR ("\r") separates lines, exactly as composed
};

using Messages = std::vector<Message>;

} // namespace veskaro
