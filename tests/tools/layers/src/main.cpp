#include "app/haupt.h"

int main()
{
    return 0;
}
