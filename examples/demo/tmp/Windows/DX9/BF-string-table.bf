string tables
