#include <gtest/gtest.h>

#include "platform/db/connection_string.h"

using namespace rg_qelvane_windows_ShuJuKu;

TEST(ConnectionStrings, AdoFormsBecomeOdbcForTheInstalledDrivers) {
    const std::vector<CWString> installed = {u"FreeTDS", u"PostgreSQL ANSI", u"PostgreSQL Unicode",
                                             u"MariaDB Unicode", u"MDBTools"};
    struct Case {
        CWString ado;
        const char16_t* user;
        const char16_t* password;
        const char16_t* odbc;
        const char16_t* accessFile;
    };
    const Case cases[] = {
        {MySqlConnectionString(u"127.0.0.1", u"shop", 3306, u"MySQL ODBC 8.0 Unicode Driver"), u"root", u"p;w",
         u"DRIVER={MariaDB Unicode};SERVER=127.0.0.1;PORT=3306;DATABASE=shop;UID=root;PWD={p;w};", u""},
        {PostgreSqlConnectionString(u"db.lan", u"shop", 5433, u""), u"u", u"",
         u"DRIVER={PostgreSQL Unicode};SERVER=db.lan;DATABASE=shop;UID=u;", u""},
        {PostgreSqlConnectionString(u"db.lan:5433", u"shop", 1, u""), u"", u"",
         u"DRIVER={PostgreSQL Unicode};SERVER=db.lan;PORT=5433;DATABASE=shop;", u""},
        {PostgreSqlConnectionString(u"h", u"d", -5, u"PostgreSQL ANSI"), u"", u"",
         u"DRIVER={PostgreSQL ANSI};SERVER=h;PORT=-5;DATABASE=d;", u""},
        {SqlServerConnectionString(u"sql.lan,1444", u"crm", false), u"sa", u"x",
         u"DRIVER={FreeTDS};SERVER=sql.lan;PORT=1444;DATABASE=crm;UID=sa;PWD=x;", u""},
        {SqlServerConnectionString(u"sql.lan", u"crm", true), u"", u"",
         u"DRIVER={FreeTDS};SERVER=sql.lan;Encryption=require;DATABASE=crm;", u""},
        {OracleConnectionString(u"ora:1521/XE", u"Oracle in OraClient11g_home1"), u"SCOTT", u"t",
         u"DRIVER={Oracle in OraClient11g_home1};SERVER=ora:1521/XE;UID=SCOTT;PWD=t;", u""},
        {AccessConnectionString(u"/d/a b.mdb", u"se;cret", false), u"", u"",
         u"DRIVER={MDBTools};DBQ=/d/a b.mdb;", u"/d/a b.mdb"},
        {AccessConnectionString(u"/d/x.accdb", u"", true), u"", u"", u"DRIVER={MDBTools};DBQ=/d/x.accdb;",
         u"/d/x.accdb"},
        {u"Provider=SQLOLEDB; Data Source=x", u"", u"", u"", u""},
    };
    for (const Case& c : cases) {
        const CQelOdbcTarget target = ToOdbc(c.ado, c.user, c.password, installed);
        EXPECT_EQ(target.connection, c.odbc) << c.ado.ToUtf8();
        EXPECT_EQ(target.accessFile, c.accessFile) << c.ado.ToUtf8();
    }
}

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
