#include "util/U_NotifyClients.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using Client = void (*)(std::string&);

// Clients that register more clients while they are being notified: the
// round in progress must neither see the new ones nor read freed storage
// (a vector registry reallocates as it grows).
std::vector<Client>* registry = nullptr;

template <int N>
void mark(std::string& log) { log += std::to_string(N) + " "; }

template <int N>
void markAndRegister(std::string& log) {
  mark<N>(log);
  for (int i = 0; i < 20; ++i) registry->push_back(&mark<99>);
}

}  // namespace

TEST(NotifyClients, RegistrationDuringARoundWaitsForTheNextRound) {
  // Few clients (copied onto the stack) and many (copied to the heap).
  for (int extra : {0, 10}) {
    std::vector<Client> clients{&markAndRegister<1>, &mark<2>};
    for (int i = 0; i < extra; ++i) clients.push_back(&mark<3>);
    registry = &clients;
    std::string log;
    U_notifyClients(clients, [&log](Client c) { c(log); });

    std::string expected = "1 2 ";
    for (int i = 0; i < extra; ++i) expected += "3 ";
    EXPECT_EQ(log, expected) << extra << " extra clients";
    EXPECT_EQ(clients.size(), 2u + extra + 20u);
  }
  registry = nullptr;
}

TEST(NotifyClients, CallClientsPassesTheArgumentsInTheRegistrysOrder) {
  std::set<Client> clients{&mark<5>, &mark<6>, &mark<7>};
  std::string log;
  U_callClients(clients, log);
  std::string expected;
  for (Client c : clients) c(expected);  // ascending address order
  EXPECT_EQ(log, expected);
}
