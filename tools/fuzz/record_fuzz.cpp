// libFuzzer target: the record reader, the CP1252 conversion and the number text on arbitrary bytes, and
// the readers of the project file, the caption file, the envelope files and the room record on the same.
// Run: record_fuzz -max_total_time=60 [corpus folder]

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/captions.h"
#include "app/number_text.h"
#include "app/record_file.h"
#include "envelope/envelope_data.h"
#include "project/project_file.h"
#include "room/room_record.h"

namespace {

void Require(bool condition) {
    if (!condition) __builtin_trap();
}

// Numbers shown in a field read back to the same value within the 15 digits shown.
void CheckDisplayRoundTrip(double value) {
    Require(std::isfinite(value));
    const double back = veskaro::NumFromText(std::string_view(veskaro::DisplayText(value)));
    Require(std::isfinite(back));
    Require(std::fabs(back - value) <= std::fabs(value) * 1e-14);
}

// The file readers of the program on the same text: they finish, keep their bounds and give finite numbers.
void CheckFileReaders(const std::string& text) {
    if (const auto project = veskaro::ParseProjectText(text)) {
        veskaro::RecordReader body(veskaro::CarriedFileContent(*project).text());
        veskaro::RoomRecord room;
        veskaro::ReadRoomRecord(body, room);
    }
    veskaro::CaptionTable captions;
    veskaro::ReadCaptions(veskaro::RecordReader(text), captions);
    for (const std::string& slot : captions.m_slots)
        Require(slot.size() <= veskaro::kMaxItemBytes);

    const veskaro::Envelope rect =
        veskaro::ReadRectangularEnvelope(veskaro::RecordReader(text), veskaro::RecordReader(text));
    const veskaro::Envelope plan = veskaro::ReadFloorPlanEnvelope(veskaro::RecordReader(text));
    Require(plan.wallCount >= 0 && plan.wallCount <= veskaro::kMaxFloorPlanWalls);
    for (const veskaro::Envelope* env : {&rect, &plan}) {
        Require(std::isfinite(env->floorU_Wm2K) && std::isfinite(env->ceilingT_C));
        for (int k = 0; k < env->wallCount; ++k)
            Require(std::isfinite(env->walls[static_cast<std::size_t>(k)].U_Wm2K));
    }

    veskaro::RecordReader recordText(text);
    veskaro::RoomRecord room;
    veskaro::ReadRoomRecord(recordText, room);
    veskaro::RecordWriter out;
    veskaro::WriteRoomRecord(out, room, room.envelope);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = veskaro::Cp1252ToUtf8(bytes);
    Require(veskaro::Utf8ToCp1252(text) == bytes);
    veskaro::Utf8ToCp1252(bytes); // arbitrary bytes as if they were UTF-8

    // Every kind of target on the same items; no NaN, no more items than characters.
    CheckFileReaders(text);
    veskaro::RecordReader reader(text);
    std::vector<std::string> items;
    for (std::size_t n = 0;; ++n) {
        Require(n <= text.size());
        std::string item;
        double real = 0.0;
        int integer = 0;
        short small = 0;
        bool flag = false;
        bool more = false;
        switch (n % 4) {
        case 0:
            more = reader.next(item);
            break;
        case 1:
            more = reader.read(real);
            break;
        case 2:
            more = reader.read(integer) && reader.read(small);
            break;
        default:
            more = reader.readBool(flag);
            break;
        }
        if (!more) break;
        Require(std::isfinite(real));
        if (n % 4 == 0) items.push_back(item);
    }

    // Every typed text survives a write and a read as its storable form, one per line.
    veskaro::RecordWriter writer;
    std::vector<std::string> written;
    for (auto& item : items) {
        writer.userLine(item);
        written.push_back(veskaro::StorableText(item));
        std::replace(written.back().begin(), written.back().end(), '"', '\'');
    }
    veskaro::RecordReader back(writer.text());
    for (const auto& expected : written) {
        std::string got;
        Require(back.next(got) && got == expected);
    }

    std::string typed = text;
    const double value = veskaro::NumFromText(typed);
    CheckDisplayRoundTrip(value);
    CheckDisplayRoundTrip(veskaro::LeadingNumber(bytes));
    Require(std::isfinite(veskaro::TruncateDecimals(value, static_cast<int>(size % 7))));

    // The item form of a real reads back through the reader.
    veskaro::RecordWriter numbers;
    numbers.real(value).single(value).endLine();
    veskaro::RecordReader numberReader(numbers.text());
    double again = 0.0;
    Require(numberReader.read(again) && std::fabs(again - value) <= std::fabs(value) * 1e-14);
    return 0;
}
