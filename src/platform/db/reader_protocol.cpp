#include "platform/db/reader_protocol.h"

#include <algorithm>
#include <cstring>

#include "platform/db/value_cells.h"

namespace rg_qelvane_windows_ShuJuKu {

namespace {

// Fields and properties take several times their bytes on the wire in memory
// (a property of no name and an empty value: 5 bytes there, 72 here); room is
// made for them only up to this many times the body's length. The reader's
// own replies need about half of it at most (fields of one-letter names, each
// with its three properties, and no rows); a reply of nothing but tiny
// properties fails instead of costing the program a dozen times its length.
constexpr std::size_t RoomPerBodyByte = 4;

class CWriter {
public:
    CWriter() : m_out(FrameHeaderSize, '\0') {}

    template <typename Number>
    void Put(Number value) {
        m_out.append(reinterpret_cast<const char*>(&value), sizeof value);
    }
    void PutFlag(bool flag) { Put(static_cast<std::uint8_t>(flag)); }
    void PutBytes(std::string_view bytes) {
        Put(static_cast<std::uint32_t>(bytes.size()));
        m_out += bytes;
    }
    void PutText(const CWString& text) {
        PutBytes(std::string_view(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(char16_t)));
    }
    void PutValue(const CQelComVariant& value) { AppendCell(m_out, value); }

    // The frame, its header filled in.
    std::string Frame() && {
        const auto length = static_cast<std::uint32_t>(m_out.size() - FrameHeaderSize);
        std::memcpy(m_out.data(), &length, sizeof length);
        return std::move(m_out);
    }

private:
    std::string m_out;
};

// Reads a body front to back; once anything is missing or wrong, every read
// fails and Ok() is false.
class CReader {
public:
    explicit CReader(std::string_view body) : m_rest(body), m_room(RoomPerBodyByte * body.size()) {}

    bool Ok() const { return m_ok; }
    bool AtEnd() const { return m_ok && m_rest.empty(); }

    template <typename Number>
    Number Get() {
        Number value{};
        if (!Take(sizeof value)) return value;
        std::memcpy(&value, m_taken.data(), sizeof value);
        return value;
    }
    bool GetFlag() {
        const auto flag = Get<std::uint8_t>();
        if (flag > 1) m_ok = false;
        return flag == 1;
    }
    std::string GetBytes() {
        const auto length = Get<std::uint32_t>();
        return Take(length) ? std::string(m_taken) : std::string();
    }
    CWString GetText() {
        const auto length = Get<std::uint32_t>();
        if (length % sizeof(char16_t) || !Take(length)) {
            m_ok = false;
            return {};
        }
        CWString text(length / sizeof(char16_t), u'\0');
        std::memcpy(text.data(), m_taken.data(), length);
        return text;
    }
    // `count` values as they are laid out (value_cells.h).
    std::string_view GetCells(std::size_t count) {
        const auto length = m_ok ? CellsLength(m_rest, count) : std::nullopt;
        if (!length || !Take(*length)) {
            m_ok = false;
            return {};
        }
        return m_taken;
    }
    CQelComVariant GetValue() {
        const std::string_view cell = GetCells(1);
        return m_ok ? ReadCell(cell) : CQelComVariant();
    }
    // A count of things each at least `smallest` bytes long: no more than the body can hold.
    std::uint32_t GetCount(std::size_t smallest) {
        const auto count = Get<std::uint32_t>();
        if (count > m_rest.size() / smallest) m_ok = false;
        return m_ok ? count : 0;
    }
    // A count, and room for that many items each at least `smallest` bytes
    // long: no more than the body can hold, nor than the room left for them.
    template <typename Item>
    std::vector<Item> GetItems(std::size_t smallest) {
        const std::size_t count = GetCount(smallest);
        if (count > m_room / sizeof(Item)) m_ok = false;
        if (!m_ok) return {};
        m_room -= count * sizeof(Item);
        return std::vector<Item>(count);
    }

private:
    bool Take(std::size_t length) {
        if (!m_ok || length > m_rest.size()) {
            m_ok = false;
            return false;
        }
        m_taken = m_rest.substr(0, length);
        m_rest.remove_prefix(length);
        return true;
    }

    std::string_view m_rest, m_taken;
    std::size_t m_room;  // for fields and properties
    bool m_ok = true;
};

void PutRecordSet(CWriter& out, rg_JiLuJiLei rows) {
    out.PutFlag(rows.IsOpen());
    out.Put(static_cast<std::uint32_t>(rows.GetFieldCount()));
    for (int i = 0; i < rows.GetFieldCount(); ++i) {
        const CQelField field = rows.GetField(i);
        out.PutText(field.Name);
        out.Put(static_cast<std::int32_t>(field.Type));
        out.Put(static_cast<std::uint32_t>(field.Properties.size()));
        for (const CQelFieldProperty& property : field.Properties) {
            out.PutText(property.Name);
            out.PutValue(property.Value);
        }
    }
    // Rows without fields hold nothing to read: none are sent.
    if (!rows.GetFieldCount()) rows.Close();
    out.Put(static_cast<std::uint32_t>(rows.GetRecordCount()));
    for (; !rows.IsEOF(); rows.MoveNext())
        for (int i = 0; i < rows.GetFieldCount(); ++i) out.PutValue(rows.GetFieldValue(i));
}

rg_JiLuJiLei GetRecordSet(CReader& in) {
    const bool open = in.GetFlag();
    auto fields = in.GetItems<CQelField>(4 + 4 + 4);
    for (CQelField& field : fields) {
        field.Name = in.GetText();
        field.Type = in.Get<std::int32_t>();
        field.Properties = in.GetItems<CQelFieldProperty>(4 + 1);
        for (CQelFieldProperty& property : field.Properties) {
            property.Name = in.GetText();
            property.Value = in.GetValue();
        }
    }
    // The rows stay as they came: each value takes no more room than it took on the wire.
    const std::size_t rowCount = in.GetCount(std::max<std::size_t>(fields.size(), 1));
    const std::string_view cells = in.GetCells(rowCount * fields.size());
    if (!open || !in.Ok()) return {};
    return rg_JiLuJiLei::FromCells(std::move(fields), rowCount, std::string(cells));
}

// The body length the frame at the front of `bytes` announces, once its header has come.
std::optional<std::uint32_t> AnnouncedLength(std::string_view bytes) {
    if (bytes.size() < FrameHeaderSize) return std::nullopt;
    std::uint32_t length = 0;
    std::memcpy(&length, bytes.data(), sizeof length);
    return length;
}

}  // namespace

std::string EncodeRequest(const CQelReaderRequest& request) {
    CWriter out;
    out.Put(request.call);
    out.PutText(request.text);
    out.PutBytes(request.path);
    out.Put(static_cast<std::int32_t>(request.number));
    return std::move(out).Frame();
}

std::string EncodeReply(const CQelReaderReply& reply) {
    CWriter out;
    out.PutFlag(reply.ok);
    PutRecordSet(out, reply.rows);
    return std::move(out).Frame();
}

std::optional<std::string_view> FirstFrameBody(std::string_view bytes) {
    const auto length = AnnouncedLength(bytes);
    if (!length || bytes.size() - FrameHeaderSize < *length) return std::nullopt;
    return bytes.substr(FrameHeaderSize, *length);
}

bool BeginsOverlongFrame(std::string_view bytes) {
    const auto length = AnnouncedLength(bytes);
    return length && *length > MaxFrameBodySize;
}

std::optional<CQelReaderRequest> DecodeRequest(std::string_view body) {
    CReader in(body);
    CQelReaderRequest request;
    request.call = in.Get<CQelReaderCall>();
    request.text = in.GetText();
    request.path = in.GetBytes();
    request.number = in.Get<std::int32_t>();
    if (!in.AtEnd()) return std::nullopt;
    return request;
}

std::optional<CQelReaderReply> DecodeReply(std::string_view body) {
    CReader in(body);
    CQelReaderReply reply;
    reply.ok = in.GetFlag();
    reply.rows = GetRecordSet(in);
    if (!in.AtEnd()) return std::nullopt;
    return reply;
}

}  // namespace rg_qelvane_windows_ShuJuKu
