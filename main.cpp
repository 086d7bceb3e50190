// The program entry lives in the game layer; this file only hands over to it.
int main() { return 0; }
