// The picture of the new-project dialog for `make screenshots`: a store of 12.5 x 8 x 4 m at 2 °C and
// 85 %, with the outside air and operating time taken over from the default room.

#include <QDir>

#include "app/app_context.h"
#include "app/record_file.h"
#include "main/desktop_qt.h"
#include "project/new_project.h"
#include "project/new_project_dialog.h"
#include "room/humidity.h"
#include "room/room_record.h"
#include "ui/input_field.h"

namespace veskaro {

void SaveNewProjectScreenshots(AppContext& ctx, const std::string& dir) {
    RoomRecord previous;
    RecordReader in = OpenInput(ctx, kDefaultRoomFile);
    if (in.exists()) ReadRoomRecord(in, previous);
    RoomRecord entry = NewProjectEntry(ctx, previous);
    entry.projbeschr = "Fruit and vegetables";
    NewProjectDialog dialog(ctx, entry);
    dialog.show();
    // Typed as an engineer types them: the dimensions, then the room air, whose humidity sets tempdiff.
    const std::pair<const char*, const char*> typed[] = {
        {"RaumL", "12,5"}, {"RaumB", "8"}, {"RaumH", "4"}, {"RaumTemp", "2"}, {"RaumFeuchte", "85"}};
    for (const auto& [name, text] : typed) {
        auto* field = dialog.findChild<ui::InputField*>(QString::fromLatin1(name));
        if (field == nullptr) continue;
        field->setText(QString::fromUtf8(text));
        emit field->edited();
        emit field->committed();
    }
    dialog.grab().save(QDir(QString::fromStdString(dir)).filePath(QStringLiteral("new_project.png")));
}

} // namespace veskaro
