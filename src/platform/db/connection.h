#pragma once
// The ADO-style database connection over unixODBC.
//
// Each kind of database is opened from its typed fields, which reach the
// driver in an ODBC connection string (see connection_string.h). Copies share
// one connection: a copy sees every open and close made through any other
// copy, and the event handlers are shared.
//
// Every ODBC connection and every Access file is held by a database reader, a
// small program of ours in a process of its own (platform/db/reader_process.h),
// so that a driver or a damaged file that hangs, crashes or eats memory takes
// nothing of the program with it.
//
// Threading: every member is called on the UI thread.
//  - synchronous open, and every statement: the UI thread waits, repainting
//    but taking no input (CQelUiThread::WaitRepainting); ConnectComplete is
//    raised before Open returns;
//  - asynchronous open: Open returns at once with the state "connecting" (2);
//    one worker thread waits for the reader's answer, and ConnectComplete is
//    posted to the UI thread through the event loop
//    (CQelUiThread::PostToUiThread) and raised there later. The worker ends
//    with the reader, which is killed at the deadline or on Close.
// Deadlines: an open gives up after the login timeout of 15 seconds (the
// drivers are asked to keep it too), each Execute and OpenSchema after 30
// seconds. At a deadline the reader is killed: the open fails, the statement
// gives nothing, and so does every later call on that connection. The
// backend in use when an asynchronous open starts must outlive it (tests that
// install a fresh backend wait for the completion first).
//
// Events, always on the UI thread:
//  - ConnectComplete(source, status): 1 connected, 2 failed (no driver, no
//    server, refused credentials, no answer within the login timeout), 4
//    cancelled (Close while an asynchronous open is still running; reported
//    at once).
//  - Disconnect(source): an open connection was closed.
//
// Failures are silent: Execute and OpenSchema give a closed record set (count
// 0, empty fields) when there is no connection or the call fails; a lost
// connection (the server went, the reader died or ran out of time) stays
// "open" until closed, and its calls just give nothing. A call that was
// answered gives an open record set, even one without rows: IsOpen tells a
// failure from an empty result.
#include <functional>
#include <memory>

#include "platform/db/record_set.h"

namespace rg_qelvane_windows_ShuJuKu {

struct CQelOdbcTarget;

enum CQelAdoState : int { adStateClosed = 0, adStateOpen = 1, adStateConnecting = 2 };
enum CQelAdoStatus : int { adStatusOK = 1, adStatusErrorsOccurred = 2, adStatusCancel = 4 };

// The layer keeps both deadlines, and tells the drivers that have options for them.
constexpr int LoginTimeoutSeconds = 15;
constexpr int CommandTimeoutSeconds = 30;

struct CQelOpenAttempt;
struct CQelReaderRequest;

class rg_ShuJuKuLei {
public:
    using ConnectCompleteHandler = std::function<void(rg_ShuJuKuLei& source, int status)>;
    using DisconnectHandler = std::function<void(rg_ShuJuKuLei& source)>;

    // A closed connection.
    rg_ShuJuKuLei();
    ~rg_ShuJuKuLei();
    // Copies share the connection and the handlers.
    rg_ShuJuKuLei(const rg_ShuJuKuLei&) = default;
    rg_ShuJuKuLei& operator=(const rg_ShuJuKuLei&) = default;

    // The object system's null flag; a null object has state 0 and does nothing.
    bool IsNullObject() const { return m_null; }
    void SetNullObject(bool null) { m_null = null; }

    // 0 closed, 1 open, 2 an asynchronous open still running.
    int GetState() const;
    // Closes an open connection (raises Disconnect) or cancels a running
    // asynchronous open (its ConnectComplete brings 4). Nothing when closed.
    // A statement still waiting (Close from a window's closing during the
    // wait) gives up at once: its reader is killed, it gives nothing.
    void Close();
    // Open the kind of database with the typed fields, each reaching the
    // driver as a value (see connection_string.h); a value its driver cannot
    // take fails the open like any failed connect. False, with no event, when
    // the connection is not closed; otherwise the outcome comes as
    // ConnectComplete. Synchronous: true when connected. Asynchronous: true
    // when started.
    bool ConnectMySql(const CWString& address, const CWString& database, const CWString& user, const CWString& password,
                      int port, const CWString& driver, bool async);
    bool ConnectPostgreSql(const CWString& address, const CWString& database, const CWString& user,
                           const CWString& password, int port, const CWString& driver, bool async);
    bool ConnectOracle(const CWString& address, const CWString& user, const CWString& password, const CWString& driver,
                       bool async);
    bool ConnectSqlServer(const CWString& address, const CWString& database, const CWString& user,
                          const CWString& password, bool async, bool encrypted);
    // Always synchronous, with empty user and password.
    bool ConnectAccess(const CWString& path, const CWString& password, bool latestVersion);

    // Runs the statement and fetches its whole result.
    rg_JiLuJiLei Execute(const CWString& sql) const;
    // adSchemaTables, adSchemaColumns or adSchemaPrimaryKeys, with ADO's field
    // names and ADO data-type codes; any other number gives a closed record set.
    rg_JiLuJiLei OpenSchema(int schema) const;

    // Replace the handler of the shared connection.
    void OnConnectComplete(ConnectCompleteHandler handler);
    void OnDisconnect(DisconnectHandler handler);

    struct Shared;

private:
    explicit rg_ShuJuKuLei(std::shared_ptr<Shared> shared) : m_shared(std::move(shared)) {}
    // Every connect's last step, with a client-side cursor.
    bool Open(const CQelOdbcTarget& target, bool async);
    rg_JiLuJiLei Call(const CQelReaderRequest& request) const;
    void Abandon(int status);
    void Finish(const std::shared_ptr<CQelOpenAttempt>& attempt);
    void TimeOut(const std::shared_ptr<CQelOpenAttempt>& attempt);

    std::shared_ptr<Shared> m_shared;
    bool m_null = false;
};

}  // namespace rg_qelvane_windows_ShuJuKu
