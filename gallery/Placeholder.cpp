// placeholder until this folder has its first source file
