// A unit without templates.
class Plain {
public:
    int value;
};

int twice(int x) { return x > 0 ? 2 * x : 0; }
