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

TEST(ConnectionStrings, BuiltCharacterForCharacter) {
    EXPECT_EQ(MySqlConnectionString(u"h", u"d", -1, u"drv"), u"Provider=MSDASQL; DRIVER=drv; SERVER=h; PORT=-1; DATABASE=d;");
    EXPECT_EQ(PostgreSqlConnectionString(u"h", u"d", 5432, u""), u"Provider=PostgreSQL OLE DB; Data Source=h; location=d;");
    EXPECT_EQ(OracleConnectionString(u"h", u"o"), u"Provider=OraOLEDB.Oracle.1; DRIVER=o; SERVER=h");
    EXPECT_EQ(SqlServerConnectionString(u"h", u"d", true),
              u"DRIVER=ODBC Driver 17 for SQL Server; SERVER=h; DATABASE=d; Encrypt=yes; TrustServerCertificate=yes");
    EXPECT_EQ(SqlServerConnectionString(u"h", u"d", false), u"DRIVER=SQL Server; SERVER=h; DATABASE=d;");
    EXPECT_EQ(AccessConnectionString(u"p", u"a;b", true),
              u"Provider=Microsoft.ACE.OLEDB.12.0; Data Source=p;Jet OLEDB:Database Password=a;b");
}

// A string a caller hands to Open, in its ADO form.
TEST(ConnectionStrings, AdoFormsBecomeOdbcForTheInstalledDrivers) {
    struct Case {
        CWString ado;
        const char16_t* user;
        const char16_t* password;
        std::string odbc;
        const char16_t* accessFile;
    };
    const Case cases[] = {
        {MySqlConnectionString(u"127.0.0.1", u"shop", 3306, u"MySQL ODBC 8.0 Unicode Driver"), u"root", u"p;w",
         "DRIVER={MariaDB Unicode};SERVER=127.0.0.1;PORT=3306;DATABASE=shop;UID=root;PWD={p;w};" +
             std::string(kMariaDbTimeouts),
         u""},
        {PostgreSqlConnectionString(u"db.lan", u"shop", 5433, u""), u"u", u"",
         "DRIVER={PostgreSQL Unicode};SERVER=db.lan;DATABASE=shop;UID=u;" + std::string(kPostgreSqlTimeouts), u""},
        {PostgreSqlConnectionString(u"db.lan:5433", u"shop", 1, u""), u"", u"",
         "DRIVER={PostgreSQL Unicode};SERVER=db.lan;PORT=5433;DATABASE=shop;" + std::string(kPostgreSqlTimeouts), u""},
        {PostgreSqlConnectionString(u"h", u"d", -5, u"PostgreSQL ANSI"), u"", u"",
         "DRIVER={PostgreSQL ANSI};SERVER=h;PORT=-5;DATABASE=d;" + std::string(kPostgreSqlTimeouts), u""},
        {SqlServerConnectionString(u"sql.lan,1444", u"crm", false), u"sa", u"x",
         "DRIVER={FreeTDS};SERVER=sql.lan;PORT=1444;DATABASE=crm;UID=sa;PWD=x;" + std::string(kFreeTdsTimeouts), u""},
        {SqlServerConnectionString(u"sql.lan", u"crm", true), u"", u"",
         "DRIVER={FreeTDS};SERVER=sql.lan;Encryption=require;DATABASE=crm;" + std::string(kFreeTdsTimeouts), u""},
        {OracleConnectionString(u"ora:1521/XE", u"Oracle in OraClient11g_home1"), u"SCOTT", u"t",
         "DRIVER={Oracle in OraClient11g_home1};SERVER=ora:1521/XE;UID=SCOTT;PWD=t;", u""},
        {AccessConnectionString(u"/d/a b.mdb", u"se;cret", false), u"", u"", "DRIVER={MDBTools};DBQ={/d/a b.mdb};",
         u"/d/a b.mdb"},
        {AccessConnectionString(u"/d/x.accdb", u"", true), u"", u"", "DRIVER={MDBTools};DBQ={/d/x.accdb};", u"/d/x.accdb"},
        {u"Provider=SQLOLEDB; Data Source=x", u"", u"", "", u""},
    };
    for (const Case& c : cases) {
        const CQelOdbcTarget target = ToOdbc(c.ado, c.user, c.password, kInstalled);
        EXPECT_EQ(U8(target.connection), c.odbc) << U8(c.ado);
        EXPECT_EQ(U8(target.accessFile), U8(c.accessFile)) << U8(c.ado);
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
        {"SQL Server password holding ; and }", SqlServerTarget({u"s", 0, u"d", u"sa", u"p;}w"}, false, kInstalled), ""},
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
