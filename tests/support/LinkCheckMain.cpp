// An empty program: linking a whole library into it proves the library brings every symbol it needs.
int main() {
    return 0;
}
