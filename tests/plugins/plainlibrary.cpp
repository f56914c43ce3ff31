// A shared library without Qt plug-in metadata.
int quiltTestPlainLibrary()
{
    return 7;
}
