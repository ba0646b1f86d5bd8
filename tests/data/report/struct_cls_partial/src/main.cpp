#include "setting.h"
#include "setting_ptr.h"

int main() {
    conf::Setting<int> s;
    s.set(1);
    conf::Setting<conf::List<double>> w;
    w.add(0.5);
    conf::Setting<conf::List<int*>> p;
    p.add(nullptr);
    conf::Pair<int, int> same;
    conf::Pair<int, char> mixed;
    return same.first() + mixed.key();
}
