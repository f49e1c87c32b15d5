// Linked with every object of the core library and without Qt Gui or Widgets: the build
// fails here as soon as any core file calls into a widget or GUI class.
int main()
{
    return 0;
}
