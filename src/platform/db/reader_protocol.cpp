#include "platform/db/reader_protocol.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

namespace rg_qelvane_windows_ShuJuKu {

namespace {

using NullValue = CQelComVariant::NullValue;

enum class CValueTag : std::uint8_t { Empty, Null, Bool, Integer, Real, Text };

class CWriter {
public:
    CWriter() : m_out(FrameHeaderSize, '\0') {}

    template <typename Number>
    void Put(Number value) {
        m_out.append(reinterpret_cast<const char*>(&value), sizeof value);
    }
    void PutBytes(std::string_view bytes) {
        Put(static_cast<std::uint32_t>(bytes.size()));
        m_out += bytes;
    }
    void PutText(const CWString& text) {
        PutBytes(std::string_view(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(char16_t)));
    }
    void PutValue(const CQelComVariant& value) {
        value.Visit([this](const auto& held) {
            using Held = std::decay_t<decltype(held)>;
            if constexpr (std::is_same_v<Held, std::monostate>) Put(CValueTag::Empty);
            else if constexpr (std::is_same_v<Held, NullValue>) Put(CValueTag::Null);
            else if constexpr (std::is_same_v<Held, bool>) Put(CValueTag::Bool), Put(held);
            else if constexpr (std::is_same_v<Held, long long>) Put(CValueTag::Integer), Put(held);
            else if constexpr (std::is_same_v<Held, double>) Put(CValueTag::Real), Put(held);
            else Put(CValueTag::Text), PutText(held);
        });
    }

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
    explicit CReader(std::string_view body) : m_rest(body) {}

    bool Ok() const { return m_ok; }
    bool AtEnd() const { return m_ok && m_rest.empty(); }

    template <typename Number>
    Number Get() {
        Number value{};
        if (!Take(sizeof value)) return value;
        std::memcpy(&value, m_taken.data(), sizeof value);
        return value;
    }
    std::string GetBytes() {
        const auto length = Get<std::uint32_t>();
        return Take(length) ? std::string(m_taken) : std::string();
    }
    CWString GetText() {
        const std::string bytes = GetBytes();
        if (bytes.size() % sizeof(char16_t)) m_ok = false;
        CWString text(bytes.size() / sizeof(char16_t), u'\0');
        std::memcpy(text.data(), bytes.data(), text.size() * sizeof(char16_t));
        return text;
    }
    CQelComVariant GetValue() {
        switch (Get<CValueTag>()) {
        case CValueTag::Empty: return {};
        case CValueTag::Null: return CQelComVariant::Null();
        case CValueTag::Bool: return Get<bool>();
        case CValueTag::Integer: return Get<long long>();
        case CValueTag::Real: return Get<double>();
        case CValueTag::Text: return GetText();
        }
        m_ok = false;
        return {};
    }
    // A count of things each at least `smallest` bytes long: no more than the body can hold.
    std::uint32_t GetCount(std::size_t smallest) {
        const auto count = Get<std::uint32_t>();
        if (count > m_rest.size() / smallest) m_ok = false;
        return m_ok ? count : 0;
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
    bool m_ok = true;
};

void PutRecordSet(CWriter& out, rg_JiLuJiLei rows) {
    out.Put(rows.IsOpen());
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
    const bool open = in.Get<bool>();
    std::vector<CQelField> fields(in.GetCount(4 + 4 + 4));
    for (CQelField& field : fields) {
        field.Name = in.GetText();
        field.Type = in.Get<std::int32_t>();
        field.Properties.resize(in.GetCount(4 + 1));
        for (CQelFieldProperty& property : field.Properties) {
            property.Name = in.GetText();
            property.Value = in.GetValue();
        }
    }
    std::vector<rg_JiLuJiLei::Row> rows(in.GetCount(std::max<std::size_t>(fields.size(), 1)));
    for (auto& row : rows) {
        row.resize(fields.size());
        for (CQelComVariant& value : row) value = in.GetValue();
    }
    if (!open) return {};
    return rg_JiLuJiLei(std::move(fields), std::move(rows));
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
    out.Put(reply.ok);
    PutRecordSet(out, reply.rows);
    return std::move(out).Frame();
}

std::optional<std::string_view> FirstFrameBody(std::string_view bytes) {
    std::uint32_t length = 0;
    if (bytes.size() < FrameHeaderSize) return std::nullopt;
    std::memcpy(&length, bytes.data(), sizeof length);
    if (bytes.size() - FrameHeaderSize < length) return std::nullopt;
    return bytes.substr(FrameHeaderSize, length);
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
    reply.ok = in.Get<bool>();
    reply.rows = GetRecordSet(in);
    if (!in.AtEnd()) return std::nullopt;
    return reply;
}

}  // namespace rg_qelvane_windows_ShuJuKu
