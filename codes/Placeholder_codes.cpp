// placeholder so the folder library is never empty
