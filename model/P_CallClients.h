#ifndef MODEL_P_CALLCLIENTS_H
#define MODEL_P_CALLCLIENTS_H

#include <cstddef>

// Calls every client of a registry set with the same arguments, in the
// set's order.  A client may register further clients, so the set being
// changed must never be the one iterated: the clients are copied first, onto
// the stack when they are few (the usual case; this runs once per record).
template <class Set, class... Args>
void P_callClients(const Set& clients, const Args&... args) {
  using Client = typename Set::value_type;
  constexpr std::size_t kFew = 8;
  if (clients.size() <= kFew) {
    Client copy[kFew] = {};
    std::size_t count = 0;
    for (Client client : clients) copy[count++] = client;
    for (std::size_t i = 0; i < count; ++i) copy[i](args...);
    return;
  }
  const Set copy = clients;
  for (Client client : copy) client(args...);
}

#endif
