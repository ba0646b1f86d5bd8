#ifndef UTIL_U_NOTIFYCLIENTS_H
#define UTIL_U_NOTIFYCLIENTS_H

#include <cstddef>

// Applies `notify` to every client of a registry, in the registry's order
// (ascending address for a set, registration order for a vector).
//
// A client may register further clients, so the registry must never be the
// container iterated: its clients are copied first, onto the stack when they
// are few (the usual case; this runs once per record).
template <class Registry, class Notifier>
void U_notifyClients(const Registry& clients, const Notifier& notify) {
  using Client = typename Registry::value_type;
  constexpr std::size_t kFew = 8;
  if (clients.size() <= kFew) {
    Client copy[kFew] = {};
    std::size_t count = 0;
    for (const Client& client : clients) copy[count++] = client;
    for (std::size_t i = 0; i < count; ++i) notify(copy[i]);
    return;
  }
  const Registry copy = clients;
  for (const Client& client : copy) notify(client);
}

// Calls every client of a registry with the same arguments.
template <class Registry, class... Args>
void U_callClients(const Registry& clients, Args&&... args) {
  U_notifyClients(clients, [&](auto client) { client(args...); });
}

#endif
