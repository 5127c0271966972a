#include <gtest/gtest.h>

#include "platform/db/connection_string.h"

using namespace rg_qelvane_windows_ShuJuKu;
using namespace std::string_literals;

namespace {

const std::vector<CWString> kInstalled = {u"FreeTDS", u"PostgreSQL ANSI", u"PostgreSQL Unicode", u"MariaDB Unicode",
                                          u"MDBTools"};
constexpr char kMariaDbTimeouts[] = "CONN_TIMEOUT=15;READ_TIMEOUT=30;WRITE_TIMEOUT=30;";
constexpr char kPostgreSqlTimeouts[] = "pqopt={tcp_user_timeout=30000 options='-c statement_timeout=30000'};";
constexpr char kFreeTdsTimeouts[] = "TDS_Version=7.4;Timeout=30;";

std::string U8(const CWString& text) { return text.ToUtf8(); }

}  // namespace

// Each kind reaches the installed driver for its database, whatever its Windows name.
TEST(ConnectionStrings, EachKindReachesItsInstalledDriver) {
    struct Case {
        CQelOdbcTarget target;
        std::string odbc;
        const char16_t* accessFile;
    };
    const Case cases[] = {
        {MySqlTarget({u"127.0.0.1", 3306, u"shop", u"root", u"p;w"}, u"MySQL ODBC 8.0 Unicode Driver", kInstalled),
         "DRIVER={MariaDB Unicode};SERVER=127.0.0.1;PORT=3306;DATABASE=shop;UID=root;PWD={p;w};" +
             std::string(kMariaDbTimeouts),
         u""},
        // Without a driver of setup.ini the port box is not used.
        {PostgreSqlTarget({u"db.lan", 5433, u"shop", u"u", u""}, u"", kInstalled),
         "DRIVER={PostgreSQL Unicode};SERVER=db.lan;DATABASE=shop;UID=u;" + std::string(kPostgreSqlTimeouts), u""},
        {PostgreSqlTarget({u"h", -5, u"d", u"", u""}, u"PostgreSQL ANSI", kInstalled),
         "DRIVER={PostgreSQL ANSI};SERVER=h;PORT=-5;DATABASE=d;" + std::string(kPostgreSqlTimeouts), u""},
        {SqlServerTarget({u"sql.lan,1444", 0, u"crm", u"sa", u"x"}, false, kInstalled),
         "DRIVER={FreeTDS};SERVER=sql.lan;PORT=1444;DATABASE=crm;UID=sa;PWD=x;" + std::string(kFreeTdsTimeouts), u""},
        {AccessTarget(u"/d/a b.mdb", kInstalled), "DRIVER={MDBTools};DBQ={/d/a b.mdb};", u"/d/a b.mdb"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(U8(c.target.connection), c.odbc);
        EXPECT_EQ(U8(c.target.accessFile), U8(c.accessFile)) << c.odbc;
    }
}

// Each typed field reaches its driver as one value, quoted the way that
// driver reads it back, or the connect is refused (an empty target).
TEST(ConnectionStrings, TypedFieldsAreValuesNeverAttributes) {
    const CWString attribute = u"rc;INITSTMT=CREATE TABLE x (i INT)";
    const CWString hostile = u" a;}{=b ";
    struct Case {
        const char* what;
        CQelOdbcTarget target;
        std::string odbc;  // "" refused
    };
    const Case cases[] = {
        // MariaDB reads ODBC's braces but drops blanks at the ends of any value.
        {"MySQL database with an attribute",
         MySqlTarget({u"h", 3306, attribute, u"u", u"p"}, u"MySQL ODBC 8.0 Unicode Driver", kInstalled),
         "DRIVER={MariaDB Unicode};SERVER=h;PORT=3306;DATABASE={rc;INITSTMT=CREATE TABLE x (i INT)};UID=u;PWD=p;" +
             std::string(kMariaDbTimeouts)},
        {"MySQL password holding ;}{=", MySqlTarget({u"h", 1, u"d", u"u", u"a;}{=b"}, u"MariaDB Unicode", kInstalled),
         "DRIVER={MariaDB Unicode};SERVER=h;PORT=1;DATABASE=d;UID=u;PWD={a;}}{=b};" + std::string(kMariaDbTimeouts)},
        {"MySQL password with blank ends", MySqlTarget({u"h", 1, u"d", u"u", hostile}, u"MariaDB Unicode", kInstalled),
         ""},
        {"MySQL user with a blank end", MySqlTarget({u"h", 1, u"d", u"u ", u"p"}, u"MariaDB Unicode", kInstalled), ""},
        {"MySQL address holding a second driver",
         MySqlTarget({u"h;DRIVER={PostgreSQL Unicode}", 1, u"d", u"u", u"p"}, u"MariaDB Unicode", kInstalled), ""},
        {"MySQL address with blanks around it", MySqlTarget({u" h ", 1, u"", u"", u""}, u"MariaDB Unicode", kInstalled),
         "DRIVER={MariaDB Unicode};SERVER=h;PORT=1;DATABASE=;" + std::string(kMariaDbTimeouts)},
        {"a driver name of setup.ini holding }", MySqlTarget({u"h", 1, u"", u"", u""}, u"My}SQL", kInstalled),
         "DRIVER={My}}SQL};SERVER=h;PORT=1;DATABASE=;"},
        // psqlODBC keeps braces as part of any value but the password.
        {"PostgreSQL password holding blanks and ;}{=",
         PostgreSqlTarget({u"h", 5432, u"d", u"u", hostile}, u"PostgreSQL Unicode", kInstalled),
         "DRIVER={PostgreSQL Unicode};SERVER=h;PORT=5432;DATABASE=d;UID=u;PWD={ a;}}{=b };" +
             std::string(kPostgreSqlTimeouts)},
        {"PostgreSQL database with an attribute",
         PostgreSqlTarget({u"h", 5432, attribute, u"u", u"p"}, u"PostgreSQL Unicode", kInstalled), ""},
        {"PostgreSQL user beginning with {", PostgreSqlTarget({u"h", 1, u"d", u"{u", u"p"}, u"", kInstalled), ""},
        {"PostgreSQL database holding }= and blanks",
         PostgreSqlTarget({u"h:5433", 1, u" a}=b ", u"u", u""}, u"", kInstalled),
         "DRIVER={PostgreSQL Unicode};SERVER=h;PORT=5433;DATABASE= a}=b ;UID=u;" + std::string(kPostgreSqlTimeouts)},
        {"PostgreSQL address holding a second driver",
         PostgreSqlTarget({u"h;DRIVER={MariaDB Unicode}", 1, u"d", u"u", u"p"}, u"", kInstalled), ""},
        // FreeTDS groups braces but keeps "}}" as it is.
        {"SQL Server database switching encryption off",
         SqlServerTarget({u"s,1433", 0, u"crm;Encryption=off", u"sa", u" p w "}, true, kInstalled),
         "DRIVER={FreeTDS};SERVER=s;PORT=1433;Encryption=require;DATABASE={crm;Encryption=off};UID=sa;PWD={ p w };" +
             std::string(kFreeTdsTimeouts)},
        {"SQL Server password holding }", SqlServerTarget({u"s", 0, u"d", u"sa", u"p}w"}, false, kInstalled),
         "DRIVER={FreeTDS};SERVER=s;DATABASE=d;UID=sa;PWD=p}w;" + std::string(kFreeTdsTimeouts)},
        {"SQL Server password holding ; and }", SqlServerTarget({u"s", 0, u"d", u"sa", u"p;}w"}, false, kInstalled),
         ""},
        {"SQL Server address holding an attribute",
         SqlServerTarget({u"s;Encryption=off", 0, u"d", u"sa", u"p"}, true, kInstalled), ""},
        // Drivers not installed here get ODBC's own rule; a descriptor address is a value too.
        {"Oracle address and password", OracleTarget({u"(A=B);X", 0, u"", u"SCOTT", u"t}"}, u"Ora", kInstalled),
         "DRIVER={Ora};SERVER={(A=B);X};UID=SCOTT;PWD={t}}};"},
        // The drivers and MDBTools would cut the string at a zero character.
        {"MySQL user holding a zero character",
         MySqlTarget({u"h", 1, u"d", u"ro\0ot"s, u"p"}, u"MariaDB Unicode", kInstalled), ""},
        {"PostgreSQL password holding a zero character",
         PostgreSqlTarget({u"h", 1, u"d", u"u", u"p\0w"s}, u"PostgreSQL Unicode", kInstalled), ""},
        {"SQL Server database holding a zero character",
         SqlServerTarget({u"s", 0, u"d\0x"s, u"sa", u"p"}, false, kInstalled), ""},
        {"Oracle address holding a zero character", OracleTarget({u"ora\0x"s, 0, u"", u"u", u"p"}, u"Ora", kInstalled),
         ""},
        {"a driver name of setup.ini holding a zero character",
         MySqlTarget({u"h", 1, u"d", u"u", u"p"}, u"MySQL\0x"s, kInstalled), ""},
        {"Access path holding a zero character", AccessTarget(u"/d/a.mdb\0.txt"s, kInstalled), ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(U8(c.target.connection), c.odbc) << c.what;
        EXPECT_EQ(U8(c.target.accessFile), "") << c.what;
    }
}

TEST(ConnectionStrings, AnAccessPathReachesTheReaderExactlyAsTyped) {
    for (const CWString path : {u" /d/a;b.mdb ", u"/d/x}y{.accdb", u"C:\\db\\Jet OLEDB:Database Password=x;.mdb"})
        EXPECT_EQ(U8(AccessTarget(path, kInstalled).accessFile), U8(path));
}
