#pragma once
// The SQLite database object and its statement object, over libsqlite3.
//
// Copies of a database object share one handle holder: an Open through any
// copy replaces the handle for all of them (closing the old one), and Close
// closes it for all of them. A statement keeps the holder alive while it
// exists. Everything runs on the UI thread; failures are silent.
#include <memory>
#include <optional>

#include "platform/text.h"

struct sqlite3;
struct sqlite3_stmt;

namespace rg_qelvane_windows_SQLiteshjk {

using rg_qelvane_base::CWString;

constexpr int SQLITE_ROW_RESULT = 100;
constexpr int SQLITE_DONE_RESULT = 101;

class rg_SQLiteJiLuJiLei {
public:
    // No statement: Step gives 1, columns read empty.
    rg_SQLiteJiLuJiLei() = default;
    rg_SQLiteJiLuJiLei(rg_SQLiteJiLuJiLei&& other) noexcept;
    rg_SQLiteJiLuJiLei& operator=(rg_SQLiteJiLuJiLei&& other) noexcept;
    ~rg_SQLiteJiLuJiLei() { Finalize(); }

    bool HasStatement() const { return m_statement != nullptr; }
    // sqlite3_step: 100 for a row, 101 at the end; 1 without a statement.
    int Step();
    // The column of the current row as text (UTF-16); empty for NULL.
    CWString GetColumnText(int index) const;
    int GetColumnInt(int index) const;
    void Finalize();

    struct Holder;

private:
    friend class rg_SQLiteShuJuKuLei;
    rg_SQLiteJiLuJiLei(std::shared_ptr<Holder> holder, sqlite3_stmt* statement)
        : m_holder(std::move(holder)), m_statement(statement) {}

    std::shared_ptr<Holder> m_holder;
    sqlite3_stmt* m_statement = nullptr;
};

class rg_SQLiteShuJuKuLei {
public:
    // An object with no handle.
    rg_SQLiteShuJuKuLei();

    bool IsNullObject() const { return m_null; }
    void SetNullObject(bool null) { m_null = null; }

    // Opens (creating when missing) read-write; on success the old handle is
    // closed and the new one kept, on failure the old one stays.
    bool Open(const CWString& path, const std::optional<CWString>& vfs = std::nullopt);
    bool IsOpen() const;
    // Closes the handle for every copy.
    void Close();
    // A prepared statement; none when there is no handle or the SQL fails.
    rg_SQLiteJiLuJiLei Query(const CWString& sql) const;
    // sqlite3_shutdown; the next open initialises the library again.
    static void Shutdown();

private:
    std::shared_ptr<rg_SQLiteJiLuJiLei::Holder> m_holder;
    bool m_null = false;
};

}  // namespace rg_qelvane_windows_SQLiteshjk
