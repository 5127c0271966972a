#pragma once
// A loopback port that takes connections and never says a word; destroying
// it resets the connections still waiting, so an attempt then fails at once.
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

class CSilentServer {
public:
    CSilentServer() {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        bind(m_socket, reinterpret_cast<sockaddr*>(&address), length);
        listen(m_socket, 4);
        getsockname(m_socket, reinterpret_cast<sockaddr*>(&address), &length);
        port = ntohs(address.sin_port);
    }
    ~CSilentServer() { close(m_socket); }
    CSilentServer(const CSilentServer&) = delete;
    CSilentServer& operator=(const CSilentServer&) = delete;
    int port = 0;

private:
    int m_socket = socket(AF_INET, SOCK_STREAM, 0);
};
