// Built where no loader looks, so that a plug-in linked to it has readable
// metadata but a library that cannot load.
int quiltTestMissingHelper()
{
    return 42;
}
