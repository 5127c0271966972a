#include "platform/db/sqlite.h"

#include <sqlite3.h>

namespace rg_qelvane_windows_SQLiteshjk {

// The handle every copy of one database object shares.
struct rg_SQLiteJiLuJiLei::Holder {
    sqlite3* handle = nullptr;
    ~Holder() { Close(); }
    void Close() {
        // close_v2 waits for statements still alive before it really closes.
        if (handle) sqlite3_close_v2(handle);
        handle = nullptr;
    }
};

rg_SQLiteJiLuJiLei::rg_SQLiteJiLuJiLei(rg_SQLiteJiLuJiLei&& other) noexcept
    : m_holder(std::move(other.m_holder)), m_statement(other.m_statement) {
    other.m_statement = nullptr;
}

rg_SQLiteJiLuJiLei& rg_SQLiteJiLuJiLei::operator=(rg_SQLiteJiLuJiLei&& other) noexcept {
    if (this != &other) {
        Finalize();
        m_holder = std::move(other.m_holder);
        m_statement = other.m_statement;
        other.m_statement = nullptr;
    }
    return *this;
}

int rg_SQLiteJiLuJiLei::Step() { return m_statement ? sqlite3_step(m_statement) : SQLITE_ERROR; }

CWString rg_SQLiteJiLuJiLei::GetColumnText(int index) const {
    if (!m_statement) return {};
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, index));
    if (!text) return {};
    return CWString::FromUtf8(std::string_view(text, sqlite3_column_bytes(m_statement, index)));
}

int rg_SQLiteJiLuJiLei::GetColumnInt(int index) const {
    return m_statement ? sqlite3_column_int(m_statement, index) : 0;
}

void rg_SQLiteJiLuJiLei::Finalize() {
    if (m_statement) sqlite3_finalize(m_statement);
    m_statement = nullptr;
    m_holder.reset();
}

rg_SQLiteShuJuKuLei::rg_SQLiteShuJuKuLei() : m_holder(std::make_shared<rg_SQLiteJiLuJiLei::Holder>()) {}

bool rg_SQLiteShuJuKuLei::Open(const CWString& path, const std::optional<CWString>& vfs) {
    if (m_null) return false;
    const std::string vfsName = vfs ? vfs->ToUtf8() : std::string();
    sqlite3* handle = nullptr;
    const int result = sqlite3_open_v2(path.ToUtf8().c_str(), &handle, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                                       vfs ? vfsName.c_str() : nullptr);
    if (result != SQLITE_OK) {
        // A handle is given even on failure, to read the error: it is not kept.
        sqlite3_close_v2(handle);
        return false;
    }
    m_holder->Close();
    m_holder->handle = handle;
    return true;
}

bool rg_SQLiteShuJuKuLei::IsOpen() const { return m_holder->handle != nullptr; }

void rg_SQLiteShuJuKuLei::Close() { m_holder->Close(); }

rg_SQLiteJiLuJiLei rg_SQLiteShuJuKuLei::Query(const CWString& sql) const {
    if (m_null || !m_holder->handle) return {};
    const std::string text = sql.ToUtf8();
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(m_holder->handle, text.c_str(), static_cast<int>(text.size()) + 1, &statement, nullptr) !=
            SQLITE_OK ||
        !statement)
        return {};
    return rg_SQLiteJiLuJiLei(m_holder, statement);
}

void rg_SQLiteShuJuKuLei::Shutdown() { sqlite3_shutdown(); }

}  // namespace rg_qelvane_windows_SQLiteshjk
